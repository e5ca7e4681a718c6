#pragma once

#include <array>
#include <string>

class FilePath;
class UserPort;

// The read-only catalogue of questionnaires: at most 5 groups, 23 questionnaires numbered
// 0..22 and 28 items to a questionnaire, each item with a degree letter and a generic
// recommendation. Lookups never fail: out-of-range arguments give fixed error texts.
class Catalogue {
public:
    static constexpr int kGroups = 5;
    static constexpr int kQuestionnaires = 23;
    static constexpr int kItems = 28;

    enum class LoadResult { Loaded, NotFound, ReadError };

    // Fills the catalogue from a C31.TXT file. Each unrecognised line, and each line that falls
    // outside the tables' limits, is reported as "ERROR EN " and the rest of the line.
    // NotFound: missing or not openable; ReadError: *utf8Error holds the system's text and the
    // catalogue is unchanged.
    LoadResult Load(const FilePath& path, UserPort& port, std::string* utf8Error = nullptr);
    // The same from the file's bytes.
    void LoadFromBytes(const std::string& bytes, UserPort& port);

    std::string GroupName(int group) const;
    std::string QuestionnaireGroupName(int q) const;
    std::string QuestionnaireTitle(int q) const;
    int ItemCount(int q) const;  // 0 for a number outside 0..22
    std::string ItemText(int q, int n) const;
    std::string ItemRecommendation(int q, int n) const;
    char ItemDegree(int q, int n) const;  // 'D', 'M', 'N', NUL when the item has none, 'E' out of range
    // The three lines of a questionnaire's note block.
    std::string Note(int q, int line) const;

private:
    struct Questionnaire {
        int group = 0;
        std::string header;
        std::array<std::string, 3> notes;
        int itemCount = 0;
        std::array<std::string, kItems> items;
        std::array<std::string, kItems> recommendations;
        std::array<char, kItems> degrees{};
    };

    bool ValidItem(int q, int n) const;

    std::array<std::string, kGroups> groups_;
    std::array<Questionnaire, kQuestionnaires> questionnaires_;
};

// The warning shown when the catalogue file cannot be found.
std::string CatalogueNotFoundMessage();
