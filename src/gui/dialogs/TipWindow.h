// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

namespace vantrel {

class LanguageFile;
class SettingsStore;

// The feature tip shown after a file of a type with an alert has been opened.
// Its check box and the main window's mnuShowTip switch tips on and off; the
// check box's state is stored under "ShowTip" when the window closes.
class TipWindow : public QDialog {
    Q_OBJECT

  public:
    // showTipAction (the main window's mnuShowTip) follows the check box at
    // once; it may be null.
    TipWindow(QWidget* owner, const LanguageFile& language, SettingsStore& settings,
              QAction* showTipAction);
    ~TipWindow() override;

    // The heading (the file type) and the text of the tip.
    void setTip(const QString& heading, const QString& text);

    // Shows the window modally, centred on its owner, as soon as the owner is
    // on screen (at once if it already is). Deletes itself when closed.
    void showOverOwner();

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showTipsToggled();
    void closeTip();
    void storeChoice();
    void centreAndShow();

    QLabel* m_icon = nullptr;
    QLabel* m_headingLabel = nullptr;
    QLabel* m_tipLabel = nullptr;
    QCheckBox* m_showTipsCheck = nullptr;
    QPushButton* m_okButton = nullptr;
    SettingsStore& m_settings;
    QPointer<QAction> m_showTipAction;
    bool m_stored = false;
};

} // namespace vantrel
