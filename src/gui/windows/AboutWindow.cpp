// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"
#include "gui/windows/AboutWindow.h"

#include "core/ProjectInfo.h"
#include "core/i18n/LanguageFile.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/shell/DesktopTools.h"

#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

QLabel* newLabel(QWidget* parent, const char* name, const QString& designCaption) {
    auto* label = new QLabel(designCaption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ProjectAddresses configuredProjectAddresses() {
    return {fromView(kWebsiteAddress), fromView(kForumAddress)};
}

AboutWindow::AboutWindow(QWidget* owner, const LanguageFile& language, ProjectAddresses addresses)
    : QDialog(owner), m_addresses(std::move(addresses)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QString::fromUtf8("关于 Vantrel"));
    buildControls();
    ApplyLanguage(this, language);
    showVersionAndWebsite();
    setWindowTitle(QString::fromStdString(language.strings().get(StrAboutTitle)));
}

void AboutWindow::buildControls() {
    Frame1 = new QGroupBox(QString::fromUtf8("版本信息"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = newLabel(Frame1, "Label1", QStringLiteral("Vantrel"));
    Label1->setFont(QFont(QStringLiteral("Tahoma"), 18));
    Label5 = newLabel(Frame1, "Label5", QString());
    Label2 = newLabel(Frame1, "Label2", QString::fromUtf8("作者：Vantrel 开发组"));
    Label3 = newLabel(Frame1, "Label3", QString::fromUtf8("联系：欢迎到网站论坛留言"));
    Label4 = newLabel(Frame1, "Label4", QStringLiteral("Website:"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setStyleSheet(QStringLiteral("color: palette(link);"));
    // The pointer's moves over every part of the window switch the link's underline.
    setMouseTracking(true);
    for (QWidget* part :
         std::initializer_list<QWidget*>{Frame1, Label1, Label2, Label3, Label4, Label5}) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }

    auto* lines = new QVBoxLayout(Frame1);
    lines->setContentsMargins(18, 14, 18, 16);
    lines->setSpacing(6);
    lines->addWidget(Label1);
    lines->addWidget(Label5);
    lines->addSpacing(10);
    for (QLabel* line : {Label2, Label3, Label4})
        lines->addWidget(line);

    cmdClose = new QPushButton(QString::fromUtf8("关闭(&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &AboutWindow::closeFromClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

// The captions name the version and the web site only in words: both come
// from the build, so that About says what the package metadata says.
void AboutWindow::showVersionAndWebsite() {
    Label5->setText(QStringLiteral("V ") + fromView(kProjectVersion));
    Label4->setText(Label4->text() + QLatin1Char(' ') + m_addresses.website);
    Label4->setVisible(!m_addresses.website.isEmpty() && !m_addresses.forum.isEmpty());
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
    if (watched != Label4) {
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
            Label4->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            openWebsite();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::setLinkUnderlined(bool underlined) {
    QFont font = Label4->font();
    if (font.underline() == underlined)
        return;
    font.setUnderline(underlined);
    Label4->setFont(font);
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
