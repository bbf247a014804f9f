#include "IniDocument.h"

namespace morvane {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r';
}

QStringView TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

QStringView WithoutTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.first(end);
}

QStringView WithoutEnclosingQuotes(QStringView value) {
    if (value.size() < 2) return value;
    const QChar first = value.front();
    if ((first == u'"' || first == u'\'') && value.back() == first)
        return value.sliced(1, value.size() - 2);
    return value;
}

// Cuts after `limit` characters, counting a surrogate pair as one so none is split.
QString CutToCharacters(QStringView text, qsizetype limit) {
    qsizetype position = 0;
    for (qsizetype count = 0; count < limit && position < text.size(); ++count) {
        const bool pair = text[position].isHighSurrogate() && position + 1 < text.size() &&
                          text[position + 1].isLowSurrogate();
        position += pair ? 2 : 1;
    }
    return text.first(position).toString();
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniDocument IniDocument::Parse(QStringView text) {
    IniDocument document;
    document.sections_.push_back(Section{});  // the keys before any section line
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n' && text[i] != u'\r') continue;
        document.AddLine(text.sliced(lineStart, i - lineStart));
        lineStart = i + 1;
    }
    return document;
}

void IniDocument::AddLine(QStringView line) {
    const QStringView trimmed = TrimBlanks(line);
    if (trimmed.isEmpty() || trimmed.front() == u';') return;
    if (trimmed.front() == u'[') {
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (close > 0) sections_.push_back(Section{trimmed.sliced(1, close - 1).toString(), {}});
        return;
    }
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0) return;
    sections_.back().entries.push_back(Entry{TrimBlanks(trimmed.first(equals)).toString(),
                                             TrimBlanks(trimmed.sliced(equals + 1)).toString()});
}

std::optional<QString> IniDocument::Find(QStringView section, QStringView key) const {
    const QStringView wantedSection = TrimBlanks(section);
    const QStringView wantedKey = TrimBlanks(key);
    for (const Section& candidate : sections_) {
        if (!SameName(candidate.name, wantedSection)) continue;
        // Only the first section of a name is searched; a repeated section adds nothing.
        for (const Entry& entry : candidate.entries) {
            if (SameName(entry.key, wantedKey)) return entry.value;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

QString IniDocument::GetString(QStringView section, QStringView key, QStringView fallback) const {
    const std::optional<QString> found = Find(section, key);
    const QStringView answer =
        found ? WithoutEnclosingQuotes(*found) : WithoutTrailingBlanks(fallback);
    return CutToCharacters(answer, kIniValueLimit);
}

}  // namespace morvane
