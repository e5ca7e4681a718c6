#include <gtest/gtest.h>

#include "recovery_copy.h"

TEST(RecoveryCopyFile, HeaderThenTheDocumentsBytes) {
    const RecoveryCopy copy{FilePath("/home/ana/Taller.kl3"), 1765200000123, "1\t0\tE\tTaller\r\n"};
    EXPECT_EQ(ComposeCopy(copy),
              "KALDO copia de recuperacion 1\n"
              "documento=/home/ana/Taller.kl3\n"
              "copia=1765200000123\n"
              "\n"
              "1\t0\tE\tTaller\r\n");
}

TEST(RecoveryCopyFile, AnyPathAndAnyBytesComeBackAsWritten) {
    const std::string allBytes = [] {
        std::string bytes;
        for (int c = 0; c < 256; ++c)
            bytes += static_cast<char>(c);
        return bytes + "\n\n\r\n";
    }();
    const RecoveryCopy cases[] = {
        {FilePath("/tmp/a\\n b\nc\r.kl3"), 1, allBytes},
        {FilePath("NuevaEmpresa.kl3"), 0, ""},
        {FilePath(), 42, "\n"},
    };
    for (const RecoveryCopy& copy : cases) {
        const auto read = ParseCopy(ComposeCopy(copy));
        ASSERT_TRUE(read) << copy.document.Utf8();
        EXPECT_EQ(*read, copy) << copy.document.Utf8();
    }
}

TEST(RecoveryCopyFile, AFileThatIsNotAWholeCopyIsRefused) {
    const std::string whole = ComposeCopy({FilePath("/d/x.kl3"), 7, "1\t0\tE\r\n"});
    const std::string refused[] = {
        "",
        "1\t0\tE\tTaller\r\n",                                              // a document, not a copy
        whole.substr(0, whole.find("copia=")),                              // cut in the header
        whole.substr(0, whole.find("\n\n") + 1),                            // no empty line after the header
        "KALDO copia de recuperacion 1\ndocumento=/d\\x.kl3\ncopia=7\n\n",  // an unknown escape
        "KALDO copia de recuperacion 1\ndocumento=/d/x.kl3\ncopia=7s\n\n",  // a time that is no number
        "KALDO copia de recuperacion 2\ndocumento=/d/x.kl3\ncopia=7\n\n",   // a format not known
    };
    for (const std::string& bytes : refused)
        EXPECT_FALSE(ParseCopy(bytes)) << bytes;
}
