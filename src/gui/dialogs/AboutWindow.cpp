// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/AboutWindow.h"

#include "core/ProjectInfo.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "gui/dialogs/DesktopOpen.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

QLabel* newLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ProjectAddresses configuredProjectAddresses() {
    return {uiText(kWebsiteAddress), uiText(kForumAddress)};
}

AboutWindow::AboutWindow(QWidget* owner, const LanguageFile& language, ProjectAddresses addresses)
    : QDialog(owner), m_addresses(std::move(addresses)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    applyDesignCaptions(this);
    applyLanguage(this, language);
    showVersionAndWebsite();
    setWindowTitle(uiText(language.strings(), UiString::AboutTitle));
}

void AboutWindow::buildControls() {
    m_versionFrame = new QGroupBox(this);
    m_versionFrame->setObjectName(QStringLiteral("Frame1"));
    m_nameLabel = newLabel(m_versionFrame, "Label1");
    m_nameLabel->setFont(QFont(QStringLiteral("Tahoma"), 18));
    m_versionLabel = newLabel(m_versionFrame, "Label5");
    m_authorLabel = newLabel(m_versionFrame, "Label2");
    m_contactLabel = newLabel(m_versionFrame, "Label3");
    m_websiteLink = newLabel(m_versionFrame, "Label4");
    m_websiteLink->setCursor(Qt::PointingHandCursor);
    m_websiteLink->setStyleSheet(QStringLiteral("color: palette(link);"));
    // The pointer's moves over every part of the window switch the link's underline.
    setMouseTracking(true);
    for (QWidget* part :
         std::initializer_list<QWidget*>{m_versionFrame, m_nameLabel, m_authorLabel, m_contactLabel,
                                         m_websiteLink, m_versionLabel}) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }

    auto* lines = new QVBoxLayout(m_versionFrame);
    lines->setContentsMargins(18, 14, 18, 16);
    lines->setSpacing(6);
    lines->addWidget(m_nameLabel);
    lines->addWidget(m_versionLabel);
    lines->addSpacing(10);
    for (QLabel* line : {m_authorLabel, m_contactLabel, m_websiteLink})
        lines->addWidget(line);

    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("cmdClose"));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &AboutWindow::closeFromClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_versionFrame);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

// The captions name the version and the web site only in words: both come
// from the build, so that About says what the package metadata says.
void AboutWindow::showVersionAndWebsite() {
    m_versionLabel->setText(QStringLiteral("V ") + uiText(kProjectVersion));
    m_websiteLink->setText(m_websiteLink->text() + QLatin1Char(' ') + m_addresses.website);
    m_websiteLink->setVisible(!m_addresses.website.isEmpty() && !m_addresses.forum.isEmpty());
}

void AboutWindow::showOverOwner() {
    setWindowModality(Qt::ApplicationModal);
    adjustSize();
    if (const QWidget* owner = parentWidget())
        setGeometry(QRect(owner->geometry().center() - rect().center(), size()));
    show();
    raise();
    activateWindow();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_websiteLink) {
        if (event->type() == QEvent::MouseMove)
            setLinkUnderlined(false);
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Enter:
        setLinkUnderlined(true);
        break;
    case QEvent::MouseMove:
        setLinkUnderlined(true);
        return true; // not passed on to the frame and window, which would remove it
    case QEvent::Leave:
        setLinkUnderlined(false);
        break;
    case QEvent::MouseButtonPress:
        return true; // the link's own click: never a click on the window
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            m_websiteLink->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            openWebsite();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::setLinkUnderlined(bool underlined) {
    QFont font = m_websiteLink->font();
    if (font.underline() == underlined)
        return;
    font.setUnderline(underlined);
    m_websiteLink->setFont(font);
}

void AboutWindow::openWebsite() {
    openWithDesktop(QUrl(m_addresses.forum));
}

// Presses anywhere but the link (labels and the frame pass theirs on) count as
// clicks on the window.
void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    setLinkUnderlined(false);
    QDialog::mouseMoveEvent(event);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        closeFromClick();
}

void AboutWindow::closeFromClick() {
    QWidget* owner = parentWidget();
    close();
    if (owner)
        owner->activateWindow();
}

} // namespace vantrel
