// frmAbout, the about box: the program's title, version and terms of use, in Greek for the
// built-in language and in English for every language file, and a link that writes a mail to
// the program's support address.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;

namespace morvane {

class frmAbout final : public QDialog {
    Q_OBJECT

  public:
    // `language` is the "Language" value at the moment of opening; `appTitle` the application
    // title; `icon` the main window's icon.
    frmAbout(QString language, QString appTitle, const QIcon& icon, QWidget* parent = nullptr);

    // The title the menu entry gives the box: its caption, a blank and the application title.
    static QString MenuTitle(const QString& menuCaption, const QString& appTitle);

    // "mailto:" followed by the support address this build was configured with.
    static QString MailLink();

    QLabel* picIcon() const { return picIcon_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* MailLabel() const { return mailLabel_; }  // Label4
    QLabel* lblOutputFolder() const { return lblOutputFolder_; }
    QPushButton* cmdOK() const { return cmdOK_; }

    void Form_Load();
    // A line under the mail link that says where the extracted files go (when that is not the
    // program's folder); an empty note shows nothing.
    void ShowOutputFolder(const QString& note);
    // Opens a new mail to the support address in the system's mail program.
    void Label4_Click();
    void cmdOK_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();

    QString language_;
    QString appTitle_;
    QIcon icon_;
    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* mailLabel_ = nullptr;
    QLabel* lblOutputFolder_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

// Shows the about box modally and returns when it is closed. From the menu entry `about_form`,
// `menuCaption` is that entry's caption and the title is MenuTitle; from the toolbar there is
// none and the box keeps the application title that it gives itself.
void ShowAboutBox(QWidget* parent, const QString& language, const QString& appTitle,
                  const QIcon& icon, const std::optional<QString>& menuCaption,
                  const QString& outputFolderNote = {});

}  // namespace morvane
