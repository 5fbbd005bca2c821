// The INI file as a list of lines. Each call loads the file, finds the lines it needs by their
// kind (section header, key, other) and, for a change, writes the whole list to a temporary file
// that then replaces the old one, so a failed write leaves the old file whole.
#include "toolkit/TIniFile.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "toolkit/AnsiStrings.h"
#include "toolkit/FilePath.h"
#include "toolkit/NumberText.h"
#include "toolkit/TStrings.h"

namespace {

struct Line {
    AnsiString text;
    AnsiString ending; // "\r\n", "\n", "\r" or "" for a last line without one
};

struct IniText {
    std::vector<Line> lines;
    AnsiString newLine = "\r\n"; // the ending new lines get: the file's own, if it has one
};

IniText load(const AnsiString& fileName) {
    IniText ini;
    std::ifstream in(tk::nativePath(fileName), std::ios::binary);
    if (!in)
        return ini;
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        // A name that opens but cannot be read, such as a folder's, reads like a missing file.
        return ini;
    }
    size_t start = 0;
    bool sawEnding = false;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            ini.lines.push_back({bytes.substr(start), ""});
            break;
        }
        const size_t endingSize = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        Line line{bytes.substr(start, end - start), bytes.substr(end, endingSize)};
        if (!sawEnding) {
            ini.newLine = line.ending;
            sawEnding = true;
        }
        ini.lines.push_back(std::move(line));
        start = end + endingSize;
    }
    return ini;
}

// The name of a "[Section]" line, or nothing for another line.
std::optional<AnsiString> sectionName(const AnsiString& text) {
    const AnsiString trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const size_t close = trimmed.find(']');
    return Trim(trimmed.substr(1, close == AnsiString::npos ? AnsiString::npos : close - 1));
}

bool isComment(const AnsiString& text) {
    const AnsiString trimmed = TrimLeft(text);
    return !trimmed.empty() && trimmed.front() == ';';
}

// The key of a "Key=Value" line, or nothing for another line.
std::optional<AnsiString> keyName(const AnsiString& text) {
    if (isComment(text) || sectionName(text))
        return std::nullopt;
    const size_t equals = text.find('=');
    if (equals == AnsiString::npos)
        return std::nullopt;
    return Trim(text.substr(0, equals));
}

AnsiString valueOf(const AnsiString& text) {
    AnsiString value = Trim(text.substr(text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// The lines [first, end) of the first section of that name: header excluded. Nothing when absent.
struct SectionRange {
    size_t header;
    size_t first;
    size_t end;
};

std::optional<SectionRange> findSection(const IniText& ini, const AnsiString& section) {
    for (size_t i = 0; i < ini.lines.size(); ++i) {
        const auto name = sectionName(ini.lines[i].text);
        if (!name || !AnsiSameText(*name, Trim(section)))
            continue;
        size_t end = i + 1;
        while (end < ini.lines.size() && !sectionName(ini.lines[end].text))
            ++end;
        return SectionRange{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<size_t> findKey(const IniText& ini, const SectionRange& range, const AnsiString& ident) {
    for (size_t i = range.first; i < range.end; ++i) {
        const auto key = keyName(ini.lines[i].text);
        if (key && AnsiSameText(*key, Trim(ident)))
            return i;
    }
    return std::nullopt;
}

void save(const AnsiString& fileName, const IniText& ini) {
    namespace fs = std::filesystem;
    const auto refuse = [&] { throw EIniFileException("Unable to write to " + fileName); };
    std::error_code error;
    // Replace the file a link points to, not the link; keep the file's permissions.
    fs::path path = tk::nativePath(fileName);
    if (fs::is_symlink(path, error))
        path = fs::weakly_canonical(path, error);
    const bool existed = fs::exists(path, error);
    if (existed && ::access(path.c_str(), W_OK) != 0)
        refuse();
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const Line& line : ini.lines)
            out << line.text << line.ending;
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            refuse();
        }
    }
    if (existed)
        fs::permissions(temporary, fs::status(path, error).permissions(), error);
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        refuse();
    }
}

void checkWritable(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
    const auto hasBreak = [](const AnsiString& s) { return s.find_first_of("\r\n") != AnsiString::npos; };
    // A bracket in a section name would end or open a header line, losing the values under it.
    if (hasBreak(section) || hasBreak(ident) || hasBreak(value) || ident.find('=') != AnsiString::npos ||
        section.find_first_of("[]") != AnsiString::npos || Trim(section).empty() || Trim(ident).empty())
        throw EIniFileException("Invalid section, key or value for an INI file: [" + section + "] " + ident);
}

} // namespace

AnsiString TIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) const {
    const IniText ini = load(fileName_);
    const auto range = findSection(ini, Section);
    if (!range)
        return Default;
    const auto line = findKey(ini, *range, Ident);
    return line ? valueOf(ini.lines[*line].text) : Default;
}

int TIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const {
    return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

bool TIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    checkWritable(Section, Ident, Value);
    IniText ini = load(fileName_);
    const auto range = findSection(ini, Section);
    if (!range) {
        if (!ini.lines.empty() && ini.lines.back().ending.empty())
            ini.lines.back().ending = ini.newLine;
        ini.lines.push_back({"[" + Trim(Section) + "]", ini.newLine});
        ini.lines.push_back({Trim(Ident) + "=" + Value, ini.newLine});
        save(fileName_, ini);
        return;
    }
    if (const auto line = findKey(ini, *range, Ident)) {
        AnsiString& text = ini.lines[*line].text;
        text = text.substr(0, text.find('=') + 1) + Value;
        save(fileName_, ini);
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next section stays.
    size_t at = range->end;
    while (at > range->first && Trim(ini.lines[at - 1].text).empty())
        --at;
    if (ini.lines[at - 1].ending.empty())
        ini.lines[at - 1].ending = ini.newLine;
    ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{Trim(Ident) + "=" + Value, ini.newLine});
    save(fileName_, ini);
}

void TIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

void TIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TIniFile::ReadSection(const AnsiString& Section, TStrings& Strings) const {
    Strings.BeginUpdate();
    Strings.Clear();
    const IniText ini = load(fileName_);
    if (const auto range = findSection(ini, Section)) {
        for (size_t i = range->first; i < range->end; ++i) {
            const auto key = keyName(ini.lines[i].text);
            if (key && !key->empty() && Strings.IndexOf(*key) < 0)
                Strings.Add(*key);
        }
    }
    Strings.EndUpdate();
}

bool TIniFile::SectionExists(const AnsiString& Section) const { return findSection(load(fileName_), Section).has_value(); }

bool TIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) const {
    const IniText ini = load(fileName_);
    const auto range = findSection(ini, Section);
    return range && findKey(ini, *range, Ident);
}

void TIniFile::EraseSection(const AnsiString& Section) {
    IniText ini = load(fileName_);
    const auto range = findSection(ini, Section);
    if (!range)
        return;
    ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                    ini.lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    save(fileName_, ini);
}

void TIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
    IniText ini = load(fileName_);
    const auto range = findSection(ini, Section);
    if (!range)
        return;
    const auto line = findKey(ini, *range, Ident);
    if (!line)
        return;
    ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(*line));
    save(fileName_, ini);
}
