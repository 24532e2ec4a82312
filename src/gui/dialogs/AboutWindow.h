// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vantrel {

class LanguageFile;

// The address shown after "Website:" and the one the link opens. Empty while
// the project has no web site: the window then shows no link at all.
struct ProjectAddresses {
    QString website;
    QString forum;
};

// The addresses the build was configured with, as the package metadata has them.
[[nodiscard]] ProjectAddresses configuredProjectAddresses();

// The About window: name, version, author and contact lines and a link to
// the project's forum. A click on the link opens the forum and keeps the
// window; a click anywhere else, or the Close button, closes it.
class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    AboutWindow(QWidget* owner, const LanguageFile& language,
                ProjectAddresses addresses = configuredProjectAddresses());

    // Shows the window modally, centred on its owner. Deletes itself when closed.
    void showOverOwner();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ProjectAddresses m_addresses;
    QGroupBox* m_versionFrame = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_authorLabel = nullptr;
    QLabel* m_contactLabel = nullptr;
    QLabel* m_websiteLink = nullptr; // opens the forum
    QPushButton* m_closeButton = nullptr;

    void buildControls();
    void showVersionAndWebsite();
    void setLinkUnderlined(bool underlined);
    void openWebsite();
    void closeFromClick();
};

} // namespace vantrel
