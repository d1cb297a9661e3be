#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace fortunix {

class LinkLabel;

// The refer-a-friend window: the last window of the program. It invites a referral, appeals
// for support and points to the maker's other programs; its Exit button and close box end
// the program.
class frmNagScreen2 : public QWidget {
    Q_OBJECT

  public:
    explicit frmNagScreen2(QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void Form_Load();

    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    // The focus handlers of the five text boxes.
    void TextBox_GotFocus(QWidget* box);
    void TextBox_LostFocus(QWidget* box);
    // The key filter of the two e-mail boxes; true when the key is discarded.
    bool EmailBox_KeyPress(QWidget* box, const QKeyEvent* event);

    QString PlaceholderOf(const QWidget* box) const;
    // Gives each box that still shows its placeholder the one of the language in use.
    void TranslatePlaceholders();
    void SetVisitCaption();
    QString BoxText(const QWidget* box) const;
    void SetBoxText(QWidget* box, const QString& text);

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;

    // The placeholder each box was given last, in the language of then.
    QHash<const QWidget*, QString> shownPlaceholders_;
};

}  // namespace fortunix
