#include "recovery_fixture.h"

using RecoveryKeeping = RecoveryFixture;

TEST_F(RecoveryKeeping, ACopyComesFiveSecondsAfterAChangeAndHoldsWhatSavingWrites) {
    Rename(5, "Nave de pintura");
    {
        const UndoStep step(session, "Eliminar");
        session.DeleteSubtree(session.Table().Node(8));  // a gap in the slots, renumbered when written
    }
    Settle();
    Wait(4000);
    EXPECT_FALSE(Copy());
    Wait(1000);
    const auto written = Copy();
    ASSERT_TRUE(written);
    EXPECT_EQ(written->document, document);
    EXPECT_EQ(written->copiedAtMs, clock.now);
    // The document file is untouched until "&Guardar", which then writes the copy's bytes.
    EXPECT_EQ(ReadFile(document), ReadFile(TestData("taller.kl3")));
    ASSERT_TRUE(commands.Save());
    EXPECT_EQ(written->bytes, ReadFile(document));
    EXPECT_NE(written->bytes, ReadFile(TestData("taller.kl3")));
}

TEST_F(RecoveryKeeping, SavingRemovesTheCopy) {
    Rename(5, "Nave");
    Wait(5000);
    ASSERT_TRUE(Copy());
    ASSERT_TRUE(commands.Save());
    Settle();
    writer.WaitIdle();
    EXPECT_FALSE(file_io::Exists(copy));
}

TEST_F(RecoveryKeeping, DiscardingRemovesTheCopy) {
    // "&Cerrar", "&Nuevo" and "&Abrir ..." after the user said no to saving.
    const std::function<void()> discards[] = {
        [&] { commands.Close(); },
        [&] { commands.New(); },
        [&] { commands.LoadDocument(TestData("carpinteria.kl3")); },
    };
    for (const auto& discard : discards) {
        SCOPED_TRACE(&discard - discards);
        if (session.Modified()) port.answers = {false};
        commands.LoadDocument(document);
        Settle();
        Rename(5, "Nave");
        Wait(5000);
        ASSERT_TRUE(Copy());
        port.answers = {false};
        discard();
        Settle();
        writer.WaitIdle();
        EXPECT_FALSE(file_io::Exists(copy));
        EXPECT_EQ(ReadFile(document), ReadFile(TestData("taller.kl3")));
    }
}

TEST_F(RecoveryKeeping, LeavingTheProgramRemovesTheCopy) {
    Rename(5, "Nave");
    Wait(5000);
    ASSERT_TRUE(Copy());
    keeper.Leave();
    EXPECT_FALSE(file_io::Exists(copy));
}

TEST_F(RecoveryKeeping, LaterChangesAreCopiedAtTheIntervalAndNothingUnchangedIsRewritten) {
    Rename(5, "Uno");
    Wait(5000);
    const auto first = Copy();
    ASSERT_TRUE(first);
    Rename(5, "Dos");
    Wait(60'000);
    EXPECT_EQ(Copy(), first);
    Wait(60'000);
    const auto second = Copy();
    ASSERT_TRUE(second);
    EXPECT_NE(second->bytes, first->bytes);
    EXPECT_NE(second->bytes.find("\tDos\t"), std::string::npos);

    // A change undone leaves the document as copied: the copy is not written again.
    Rename(5, "Tres");
    session.History().Undo();
    Settle();
    Wait(3 * 60'000);
    EXPECT_EQ(Copy(), second);
}

TEST_F(RecoveryKeeping, ChangesInAViewAreNoneAndTheCopyStillComes) {
    Rename(5, "Nave");
    session.SetViewMode(view::kTemporal);  // as a view does: the tree shows no records
    Settle();
    Wait(5000);
    const auto written = Copy();
    ASSERT_TRUE(written);
    EXPECT_NE(written->bytes.find("\tNave\t"), std::string::npos);
}

TEST_F(RecoveryKeeping, NoCopyWithTheIntervalAtZero) {
    keeper.SetInterval(0);
    Rename(5, "Nave");
    Wait(10 * 60'000);
    EXPECT_FALSE(file_io::Exists(copy));
}

TEST_F(RecoveryKeeping, ACopyThatCannotBeWrittenIsReportedOnceAndTriedAgainAtTheNextInterval) {
    // A file where the folder should be: no user, not even the administrator, can write there.
    std::filesystem::remove(folder.Utf8());
    WriteFile(folder, "");
    Rename(5, "Nave");
    const auto failure = Wait(6000);  // written at 5 s, heard of at the next second
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find(folder.Utf8()), std::string::npos);
    EXPECT_FALSE(Wait(60'000));  // no second attempt, no second message before the interval
    std::filesystem::remove(folder.Utf8());
    std::filesystem::create_directory(folder.Utf8());
    // The document is still the user's to save.
    EXPECT_TRUE(session.Modified());
    Wait(61'000);
    ASSERT_TRUE(Copy());
    EXPECT_NE(Copy()->bytes.find("\tNave\t"), std::string::npos);
}
