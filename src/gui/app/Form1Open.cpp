// Opening, dispatching, reloading, closing and saving seem files.
#include "gui/app/Form1.h"

#include "core/app/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/dialogs/CommDlg.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorPanel.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumePanel.h"
#include "gui/windows/frmReading.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>

namespace vantrel {

namespace {

constexpr int kOpenFlags = 4100; // the file must exist; no read-only box
constexpr int kSaveAsFlags = 2;  // ask before replacing a file

} // namespace

void Form1::OpenSeemFile(const QString& path) {
    frmReading reading(this, m_language);
    SeemFileRead read = readSeemFile(path.toStdString());
    reading.finish();
    switch (read.status) {
    case SeemFileRead::Status::TooLarge:
        showMessage(this, MessageIcon::Critical, str(9));
        return;
    case SeemFileRead::Status::Empty:
        reportFailure(QString::fromStdString(strings().format(StrEmptyFile, {path.toStdString()})));
        return;
    case SeemFileRead::Status::Failed:
        reportFailure(QString::fromStdString(
            strings().format(StrReadFailed, {path.toStdString(), read.reason})));
        return;
    case SeemFileRead::Status::Ok:
        break;
    }
    acceptFile(path, std::move(read.bytes));

    const XmlElement type = findSeemType(m_xml.root(), m_fileBytes.size());
    const bool editorOpened = type && dispatchType(type);
    if (editorOpened)
        showTypeAlert(type);
}

// The file was read whole: only now does it become the open document.
void Form1::acceptFile(const QString& path, std::vector<std::uint8_t> bytes) {
    m_fileName = path;
    setCaptionForFile(path, false);
    m_fileBytes = std::move(bytes);
    m_grid.load(m_fileBytes);
    m_picEdit->rebuild();
    for (QWidget* editor : std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_frameVolume,
                                                           m_tvwColor, m_frameColor})
        editor->hide();
    m_picEdit->setCellsEnabled(true);
    placeGridNormally();
}

// Shows the editor of the matched type; true when one of the four editors was filled.
bool Form1::dispatchType(const XmlElement& type) {
    m_curType = toLowerAscii(type.attribute("type").value_or(""));
    const auto hideAllBut = [this](QWidget* shown) {
        for (QWidget* editor : std::initializer_list<QWidget*>{m_tvwFuct, m_lvwStyle, m_frameVolume,
                                                               m_tvwColor, m_frameColor})
            editor->setVisible(editor == shown);
    };
    if (m_curType == "function") {
        m_curRootNode = type;
        m_tvwFuct->load(type);
        ResetView(true);
        hideAllBut(m_tvwFuct);
        m_frameSet->setTitle(str(10));
        return true;
    }
    if (m_curType == "style") {
        m_curRootNode = type;
        ResetView(true);
        hideAllBut(m_lvwStyle);
        m_lvwStyle->load(type);
        m_frameSet->setTitle(str(10));
        return true;
    }
    if (m_curType == "volume") {
        m_frameVolume->setTitle(QString::fromStdString(type.attribute("tip").value_or("")));
        ResetView(true);
        hideAllBut(m_frameVolume);
        return true;
    }
    if (m_curType == "color") {
        m_tvwColor->clear();
        ResetView(true);
        hideAllBut(m_tvwColor);
        m_frameColor->show();
        m_frameColor->setEnabled(false);
        m_picEdit->setCellsEnabled(false);
        return true;
    }
    if (m_curType == "outertext" || m_curType == "gprs") {
        ResetView(false);
        return false;
    }
    showMessage(this, MessageIcon::Critical, str(11));
    placeGridFullWindow();
    m_frameSet->hide();
    m_picEdit->show();
    m_picEdit->setEnabled(true);
    return false;
}

void Form1::showTypeAlert(const XmlElement& type) {
    const auto alert = type.attribute("alert");
    if (!alert || m_settings.read("ShowTip", "1") != "1")
        return;
    const QString text = QString::fromStdString(expandLineBreaks(*alert));
    const QString id = QString::fromStdString(type.attribute("ID").value_or(""));
    showMessage(this, MessageIcon::Information, id + QLatin1Char('\n') + text);
}

void Form1::reportFailure(const QString& text) {
    showMessage(this, MessageIcon::Critical, text);
}

void Form1::setCaptionForFile(const QString& path, bool saved) {
    if (path.isEmpty())
        setWindowTitle(m_mainCaption);
    else if (saved)
        setWindowTitle(m_mainCaption + QStringLiteral("  ") + path);
    else
        setWindowTitle(m_mainCaption + QStringLiteral(" [") + path + QLatin1Char(']'));
}

// The Open or Save As dialog over seem files; empty when the user cancels.
QString Form1::askForSeemFile(int action, int titleString, int flags, const QString& preset) {
    CommDlg dialog;
    dialog.setOwner(this);
    dialog.setDialogTitle(str(titleString));
    dialog.setFilter(str(8));
    dialog.setDefaultExt(QStringLiteral("*.seem"));
    dialog.setFlags(flags);
    dialog.setFileName(preset);
    dialog.setAction(action);
    return dialog.fileName();
}

void Form1::mnuOpen_Click() {
    const QString chosen = askForSeemFile(CommDlg::Open, 5, kOpenFlags, QString());
    if (chosen.isEmpty())
        return;
    if (chosen != m_fileName)
        AddRecentFile(chosen);
    OpenSeemFile(chosen);
}

void Form1::mnuReload_Click() {
    if (!m_fileName.isEmpty())
        OpenSeemFile(m_fileName);
}

void Form1::mnuClose_Click() {
    ResetView(false);
    m_grid.rebuild(0);
    m_picEdit->rebuild();
    m_fileName.clear();
    setCaptionForFile(QString(), false);
}

bool Form1::SaveGridToFile(const QString& path) {
    if (const auto invalid = m_grid.firstInvalidCell()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(*invalid));
        reportFailure(QString::fromStdString(
            strings().format(StrInvalidCell, {std::to_string(*invalid), hex})));
        m_picEdit->focusCell(*invalid);
        return false;
    }
    if (const auto failure = writeFileAtomically(path.toStdString(), m_grid.bytes())) {
        reportFailure(QString::fromStdString(
            strings().format(StrSaveFailed, {path.toStdString(), *failure})));
        return false;
    }
    return true;
}

void Form1::mnuSave_Click() {
    if (m_isLoaded)
        SaveGridToFile(m_fileName);
}

void Form1::mnuSaveAs_Click() {
    const QString chosen = askForSeemFile(CommDlg::Save, 6, kSaveAsFlags, m_fileName);
    if (chosen.isEmpty())
        return;
    if (chosen != m_fileName)
        AddRecentFile(chosen);
    if (!SaveGridToFile(chosen))
        return;
    m_fileName = chosen;
    setCaptionForFile(chosen, true);
}

void Form1::AddRecentFile(const QString& path) {
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
}

void Form1::mnuOnOff_Click() {
    if (!m_tvwFuct->isHidden() && m_tvwFuct->switchSelected())
        m_tvwFuct->toggleSelected();
}

} // namespace vantrel
