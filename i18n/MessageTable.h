// The fifteen texts of messages, dialog titles and list entries, looked up once at start-up
// in the start-up language and kept for the whole run.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <utility>

namespace morvane {

// Named by meaning, in the order in which a language file is read; MessageTable.cpp gives each
// its key there ("frm_cap_1", then "message_1" to "message_14").
enum class MessageId {
    FileDialogTitle,
    CannotMakeFolder,
    Searching,
    FileWord,
    FoundWord,
    FilesWord,
    AllFiles,
    ExecutableFiles,
    LibraryFiles,
    AskReplaceFile,
    AskValidFileName,
    AskDeleteAllFiles,
    AskDeleteCountFiles,
    AskDeleteNode,
    CannotOpen,  // before the path of a file no program could be started for
};

inline constexpr std::size_t kMessageCount = 15;

class MessageTable {
  public:
    // Every text empty, as before the table is loaded.
    MessageTable() = default;

    // The built-in Greek texts.
    static MessageTable Builtin();

    // The language-file key of a text: "frm_cap_1", "message_1" ... "message_14".
    static QStringView Key(MessageId id) noexcept;

    const QString& Text(MessageId id) const noexcept { return texts_[Index(id)]; }
    void SetText(MessageId id, QString text) { texts_[Index(id)] = std::move(text); }

    friend bool operator==(const MessageTable&, const MessageTable&) = default;

  private:
    static constexpr std::size_t Index(MessageId id) noexcept {
        return static_cast<std::size_t>(id);
    }

    std::array<QString, kMessageCount> texts_;
};

// The table for a language value: the built-in texts when the value ends in "Default", else
// each key read from the file's section "Language", a missing key (or file) giving "##".
MessageTable LoadMessageTable(const QString& language);

}  // namespace morvane
