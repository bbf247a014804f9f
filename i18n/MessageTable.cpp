#include "MessageTable.h"

#include "LanguageText.h"

namespace morvane {

namespace {

struct BuiltinMessage {
    QStringView key;
    QStringView text;
};

// The keys in MessageId order, with the built-in Greek texts.
constexpr std::array<BuiltinMessage, kMessageCount> kBuiltinMessages = {{
    {u"frm_cap_1", u"Επιλογή Αρχείου"},
    {u"message_1", u"Δεν ειναι δυνατή η δημιουργία του φακέλου"},
    {u"message_2", u"Αναζήτηση"},
    {u"message_3", u"Αρχείο"},
    {u"message_4", u"βρέθηκαν"},
    {u"message_5", u"Αρχεία"},
    {u"message_6", u"Όλα τα αρχεία"},
    {u"message_7", u"Εκτελέσιμα Αρχεία"},
    {u"message_8", u"Αρχεία Βιβλιοθηκών"},
    {u"message_9", u"υπάρχει ήδη. Θέλετε να αντικατασταθεί;"},
    {u"message_10", u"Επιλέξτε ένα έγκυρο όνομα αρχείου."},
    {u"message_11", u"Είστε σίγουρος για την διαγραφή όλων των αρχείων;"},
    {u"message_12", u"Είστε σίγουρος για την διαγραφή όλων των %%% αρχείων;"},
    {u"message_13", u"Είστε σίγουρος για την διαγραφή του"},
    {u"message_14", u"Δεν βρέθηκε πρόγραμμα για το άνοιγμα του"},
}};

}  // namespace

MessageTable MessageTable::Builtin() {
    MessageTable table;
    for (std::size_t i = 0; i < kMessageCount; ++i)
        table.texts_[i] = kBuiltinMessages[i].text.toString();
    return table;
}

QStringView MessageTable::Key(MessageId id) noexcept {
    return kBuiltinMessages[Index(id)].key;
}

MessageTable LoadMessageTable(const QString& language) {
    // A value that merely ends in "Default" (a path such as C:\Default) also means the
    // built-in texts; only the caption passes insist on the exact word.
    if (language.endsWith(kDefaultLanguage)) return MessageTable::Builtin();
    const LanguageText text(language);
    MessageTable table;
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        table.SetText(id, text.Lookup(MessageTable::Key(id)));
    }
    return table;
}

}  // namespace morvane
