#include "catalogue.h"

#include <fstream>

#include "cp1252.h"
#include "file_io.h"
#include "line_source.h"
#include "load_messages.h"
#include "native_path.h"
#include "user_port.h"

std::string CatalogueNotFoundMessage() {
    return "No se localiza el archivo C31.TXT";
}

Catalogue::LoadResult Catalogue::Load(const FilePath& path, UserPort& port, std::string* utf8Error) {
    // A file that is there but cannot be opened counts as missing, and so does anything that is
    // not a regular file (a pipe would block the opening); a failure while reading it leaves the
    // catalogue as it was and is reported with the system's text.
    if (!file_io::IsFile(path) || !std::ifstream(NativePath(path), std::ios::binary)) return LoadResult::NotFound;
    std::string bytes;
    if (!file_io::ReadAll(path, bytes, utf8Error)) return LoadResult::ReadError;
    LoadMessages messages(port);
    LoadFromBytes(bytes, messages);
    messages.Finish();
    return LoadResult::Loaded;
}

void Catalogue::LoadFromBytes(const std::string& bytes, UserPort& port) {
    *this = Catalogue();
    int group = -1;
    int current = -1;
    // Whether the latest item line found room; a degree line belongs to that item only.
    bool itemStored = false;
    LineSource lines(bytes);
    auto report = [&](const std::string& rest) { port.ShowMessage("ERROR EN " + rest); };
    while (!lines.AtEnd()) {
        std::string line = lines.NextLine();
        if (line.empty()) line = " ";
        const char kind = line[0];
        const std::string rest = line.substr(1);
        Questionnaire* q = current >= 0 && current < kQuestionnaires ? &questionnaires_[current] : nullptr;
        if (kind == 'G') {
            // Lines beyond the tables' limits are reported like unknown lines and change nothing stored.
            if (group + 1 >= kGroups) {
                report(rest);
                group = kGroups;  // the questionnaires that follow belong to no stored group
                continue;
            }
            groups_[++group] = rest;
        } else if (kind == 'C') {
            itemStored = false;
            if (current + 1 >= kQuestionnaires) {
                report(rest);
                current = kQuestionnaires;  // later items belong to no questionnaire
                continue;
            }
            Questionnaire& next = questionnaires_[++current];
            next.group = group;
            next.header = rest;
            next.itemCount = 0;
        } else if (kind >= '0' && kind <= '9') {
            itemStored = q && q->itemCount < kItems;
            if (!itemStored) {
                report(rest);
                continue;
            }
            q->items[q->itemCount++] = rest.size() > 0 ? rest.substr(1) : std::string();
        } else if (kind == 'D' || kind == 'M' || kind == 'N') {
            if (!itemStored) {
                report(rest);
                continue;
            }
            q->degrees[q->itemCount - 1] = kind;
            q->recommendations[q->itemCount - 1] = rest;
        } else if (kind == 'V') {
            if (!q) report(rest);
            // The three lines after a note line are read whole, whatever they begin with.
            for (int k = 0; k < 3; ++k) {
                std::string note = lines.AtEnd() ? std::string() : lines.NextLine();
                if (q) q->notes[k] = note;
            }
        } else {
            report(rest);
        }
    }
}

std::string Catalogue::GroupName(int group) const {
    if (group < 0 || group >= kGroups) return W("GRUPO ERRÓNEO");
    return groups_[group];
}

std::string Catalogue::QuestionnaireGroupName(int q) const {
    if (q < 0 || q >= kQuestionnaires) return W("GRUPO ERRÓNEO");
    return GroupName(questionnaires_[q].group);
}

std::string Catalogue::QuestionnaireTitle(int q) const {
    if (q < 0 || q >= kQuestionnaires) return W("NÚMERO DE CUESTIONARIO ERRÓNEO");
    const std::string& header = questionnaires_[q].header;
    return header.substr(0, 2) + ".- " + (header.size() > 2 ? header.substr(2) : std::string());
}

int Catalogue::ItemCount(int q) const {
    if (q < 0 || q >= kQuestionnaires) return 0;
    return questionnaires_[q].itemCount;
}

bool Catalogue::ValidItem(int q, int n) const {
    return q >= 0 && q < kQuestionnaires && n >= 1 && n <= questionnaires_[q].itemCount;
}

std::string Catalogue::ItemText(int q, int n) const {
    return ValidItem(q, n) ? questionnaires_[q].items[n - 1] : W("ITEM ERRÓNEO");
}

std::string Catalogue::ItemRecommendation(int q, int n) const {
    return ValidItem(q, n) ? questionnaires_[q].recommendations[n - 1] : W("ITEM ERRÓNEO");
}

char Catalogue::ItemDegree(int q, int n) const {
    return ValidItem(q, n) ? questionnaires_[q].degrees[n - 1] : 'E';
}

std::string Catalogue::Note(int q, int line) const {
    if (q < 0 || q >= kQuestionnaires || line < 1 || line > 3) return {};
    return questionnaires_[q].notes[line - 1];
}
