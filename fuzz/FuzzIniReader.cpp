// Language files as users may save them: any bytes, any encoding, any layout. Reading must never
// crash, and every answer obeys the reader's rules (at most 255 characters, a surrogate pair
// counted as one; a found value has no spaces or tabs around it).
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdlib>

#include "IniDocument.h"
#include "IniFileText.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeIniText(bytes);
    const IniDocument document = IniDocument::Parse(text);
    for (const char* key : {"message_1", "MESSAGE_12", "Form1.file_menu", "frm_cap_1", "", "="}) {
        const QString answer = document.GetString(u"Language", QString::fromLatin1(key), u"##");
        // The limit counts characters: a surrogate pair is one.
        if (answer.toUcs4().size() > kIniValueLimit) std::abort();
        if (const auto found = document.Find(u"language", QString::fromLatin1(key))) {
            // Only spaces and tabs count as the blanks around a value (a no-break space stays).
            const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
            if (!found->isEmpty() && (blank(found->front()) || blank(found->back()))) std::abort();
        }
    }
    return 0;
}
