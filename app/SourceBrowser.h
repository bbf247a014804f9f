// The browser column of the main window: Drive1 chooses a volume, Dir1 a folder on it, and File1
// lists that folder's files under the pattern chosen in Combo1. A change runs down the chain:
// a new volume moves the folder list, a new folder or pattern reloads the file list. Hidden
// (and on Windows system) files and folders are not shown, just as the batch scan skips them.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

namespace morvane {

class MessageTable;

class SourceBrowser final : public QObject {
    Q_OBJECT

  public:
    SourceBrowser(QComboBox& Drive1, QListWidget& Dir1, QListWidget& File1, QComboBox& Combo1,
                  QStringList volumes);

    // Combo1's three patterns with their descriptions; the first is chosen.
    void FillFilters(const MessageTable& messages);

    // Shows `volume` in Drive1 without moving the folder list; false when it is not offered.
    bool SetDrive(const QString& volume);
    // Moves Dir1 (and so File1) to `folder`, which must be an existing folder; a bare drive
    // prefix ("C:") or, elsewhere, the empty text before a leading "/" names the root. Returns
    // false and changes nothing otherwise.
    bool SetFolder(const QString& folder);

    QString Drive() const;
    // The volumes Drive1 offers.
    QStringList Volumes() const;
    // The folder of Dir1, without a trailing separator but for a root.
    QString Folder() const { return folder_; }
    QString FileFolder() const { return fileFolder_; }
    QString Pattern() const { return pattern_; }
    QStringList Files() const;
    QString SelectedFile() const;

    void Drive1_Change();
    void Dir1_Change();
    void Combo1_Click(int index);
    // File1 lists its folder's files under the pattern anew.
    void RefreshFile1();

  signals:
    // A file of File1 was clicked, or Enter pressed on it: it is to be scanned.
    void FileClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillDir1();

    QComboBox& drive1_;
    QListWidget& dir1_;
    QListWidget& file1_;
    QComboBox& combo1_;
    QString folder_;
    QString fileFolder_;
    QString pattern_;
    // The folder last shown on each volume, where choosing that volume again returns to.
    QHash<QString, QString> folderOfVolume_;
};

}  // namespace morvane
