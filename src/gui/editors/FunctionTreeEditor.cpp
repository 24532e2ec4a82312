// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/FunctionTreeEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/editors/EditorAccessibility.h"
#include "gui/editors/FunctionTreeAccessible.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/ImageList.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

// A switch is a checkable item, so that screen readers hear "checked" or "not
// checked", but it is drawn with its on/off image only; the tree itself turns
// clicks on the image into the undoable toggle.
class SwitchDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
    }
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&,
                     const QModelIndex&) override {
        return false;
    }
};

} // namespace

FunctionTreeEditor::FunctionTreeEditor(EditingSession& session, QWidget* parent)
    : QTreeWidget(parent), m_session(session) {
    FunctionTreeAccessible::install();
    setObjectName(QStringLiteral("tvwFuct"));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new SwitchDelegate(this));
    drawIcons();
    nameForScreenReaders();
    announceExpansion(this);
    connect(this, &QTreeWidget::itemChanged, this, &FunctionTreeEditor::onItemChanged);

    // A mouse click changes the current item and then reports the click; the
    // keyboard only changes the current item. Either way the node runs once.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!current)
            return;
        m_handledByPress = current;
        chooseNode(current);
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item == m_handledByPress) {
            m_handledByPress = nullptr;
            return;
        }
        chooseNode(item);
    });
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
}

void FunctionTreeEditor::load() {
    const QSignalBlocker blocker(this);
    m_handledByPress = nullptr;
    m_pressedImage = nullptr;
    m_items.clear();
    forgetAccessibleItems(this);
    clear();
    const EditorModel& model = m_session.model();
    if (model.kind != EditorKind::Function)
        return;
    auto* rootItem = new QTreeWidgetItem(this);
    addItems(rootItem, model.functions);
    expandItem(rootItem);
    // Current but not selected, so that the first focus-in does not pick a node.
    setCurrentItem(rootItem, 0, QItemSelectionModel::NoUpdate);
}

void FunctionTreeEditor::addItems(QTreeWidgetItem* rootItem, const FunctionNode& root) {
    // A stack of its own rather than recursion: the depth comes from the file.
    std::vector<std::pair<QTreeWidgetItem*, const FunctionNode*>> pending{{rootItem, &root}};
    while (!pending.empty()) {
        const auto [item, node] = pending.back();
        pending.pop_back();
        item->setText(0, uiText(node->text));
        item->setData(0, KeyRole, uiText(node->key));
        setImage(item, node->isSwitch() ? std::optional<bool>(node->on) : std::nullopt);
        m_items.insert(uiText(node->key), item);
        // Items are created here, in document order, and filled when popped.
        for (const FunctionNode& child : node->children)
            pending.emplace_back(new QTreeWidgetItem(item), &child);
    }
}

void FunctionTreeEditor::toggleSelected() {
    if (!shownInWindow() || !switchOf(currentItem()))
        return;
    (void)m_session.toggleSwitch(selectedKey().toStdString());
}

void FunctionTreeEditor::onSessionChange(const SessionChange& change) {
    if (change.model)
        load();
    else if (!change.settings.empty())
        refreshSwitches(change.settings);
}

void FunctionTreeEditor::refreshSwitches(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
        QTreeWidgetItem* item = m_items.value(uiText(key));
        const FunctionNode* node = switchOf(item);
        if (!node || (itemImageKey(item) == kImageOn) == node->on)
            continue;
        setImage(item, node->on);
        announceCheckChange(this, item);
        // The Edit menu names what the selected switch's command would do now.
        if (item == currentItem() && item->isSelected() && shownInWindow())
            emit switchStateChanged(
                true,
                uiText(m_session.strings(), node->on ? UiString::SwitchOff : UiString::SwitchOn));
    }
}

bool FunctionTreeEditor::switchSelected() const {
    return switchOf(currentItem()) != nullptr;
}

QString FunctionTreeEditor::selectedKey() const {
    return itemKey(currentItem());
}

QTreeWidgetItem* FunctionTreeEditor::itemByKey(const QString& key) const {
    return m_items.value(key);
}

QString FunctionTreeEditor::itemKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, KeyRole).toString() : QString();
}

QString FunctionTreeEditor::itemImageKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, ImageKeyRole).toString() : QString();
}

void FunctionTreeEditor::mousePressEvent(QMouseEvent* event) {
    m_handledByPress = nullptr;
    m_pressedImage =
        event->button() == Qt::LeftButton ? switchImageAt(event->position().toPoint()) : nullptr;
    // The right button only opens the Edit menu; it must not move the selection.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void FunctionTreeEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit contextMenuRequested(event->globalPosition().toPoint());
        return;
    }
    const QTreeWidgetItem* pressed = std::exchange(m_pressedImage, nullptr);
    QTreeWidget::mouseReleaseEvent(event);
    // Each click on the image toggles, as on a check box; the press made the
    // switch current, so Edit > On/Off acts on it.
    if (event->button() == Qt::LeftButton && pressed &&
        pressed == switchImageAt(event->position().toPoint()) && pressed == currentItem() &&
        switchSelected())
        emit toggleRequested();
}

void FunctionTreeEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A double-click on the image is two clicks on it, each already a toggle.
    const QPoint pos = event->position().toPoint();
    m_pressedImage = switchImageAt(pos);
    if (!m_pressedImage && itemAt(pos) && itemAt(pos) == currentItem() && switchSelected())
        emit toggleRequested();
}

QTreeWidgetItem* FunctionTreeEditor::switchImageAt(const QPoint& pos) const {
    QTreeWidgetItem* item = itemAt(pos);
    if (!switchOf(item))
        return nullptr;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.icon = item->icon(0);
    option.text = item->text(0);
    const QRect image = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
    return image.adjusted(-2, -2, 2, 2).contains(pos) ? item : nullptr;
}

// Any change of an item comes here (a comparison's mark too); only a check
// state that differs from the switch as shown is the user's toggle.
void FunctionTreeEditor::onItemChanged(QTreeWidgetItem* item) {
    if (m_settingImage || !switchOf(item))
        return;
    const bool shownOn = itemImageKey(item) == kImageOn;
    if ((item->checkState(0) == Qt::Checked) == shownOn)
        return;
    // Back to what the cell holds until the toggle (if allowed) rewrites it.
    setImage(item, shownOn);
    requestToggle(item);
}

void FunctionTreeEditor::requestToggle(QTreeWidgetItem* item) {
    if (!switchOf(item))
        return;
    if (item != currentItem())
        setCurrentItem(item);
    if (switchSelected())
        emit toggleRequested();
}

void FunctionTreeEditor::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse case was answered on release; keep the event from the window behind.
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit contextMenuRequested(event->globalPos());
    event->accept();
}

void FunctionTreeEditor::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool toggleKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (toggleKey && modifiers == Qt::NoModifier && switchSelected()) {
        event->accept();
        emit toggleRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FunctionTreeEditor::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        nameForScreenReaders();
    if (event->type() != QEvent::PaletteChange)
        return;
    drawIcons();
    for (QTreeWidgetItem* item : std::as_const(m_items)) {
        const bool isSwitch = itemImageKey(item) != kImageFolder;
        setImage(item,
                 isSwitch ? std::optional<bool>(itemImageKey(item) == kImageOn) : std::nullopt);
    }
}

void FunctionTreeEditor::nameForScreenReaders() {
    setAccessibleName(uiText(m_session.strings(), UiString::AccessibleFunctionTree));
}

void FunctionTreeEditor::drawIcons() {
    for (const QString& key : {kImageFolder, kImageOn, kImageOff})
        m_icons.insert(key, imageListIcon(key, palette()));
}

void FunctionTreeEditor::chooseNode(QTreeWidgetItem* item) {
    if (!item || !m_items.contains(itemKey(item)))
        return;
    if (const FunctionNode* node = switchOf(item)) {
        showSwitch(item, *node);
    } else {
        emit infoChanged(uiText(m_session.strings(), UiString::Information), QString());
        // The cell stays current but no longer looks chosen.
        m_session.markCells(m_session.grid().currentCell(), 0);
        emit switchStateChanged(false, QString());
    }
    emit statusPathChanged(pathOf(item));
}

void FunctionTreeEditor::showSwitch(QTreeWidgetItem* item, const FunctionNode& node) {
    // The node is read before the focus moves: the cell's focus is pushed to every listener.
    const int cell = node.cellIndex;
    const QString tip =
        node.tip.empty() ? uiText(m_session.strings(), UiString::NoDescription) : uiText(node.tip);
    const UiString caption = node.on ? UiString::SwitchOff : UiString::SwitchOn;
    emit cellFocusRequested(cell);
    setFocus(Qt::OtherFocusReason);
    emit infoChanged(QStringLiteral("[ ") + item->text(0) + QStringLiteral(" ]"), tip);
    emit switchStateChanged(true, uiText(m_session.strings(), caption));
}

void FunctionTreeEditor::setImage(QTreeWidgetItem* item, std::optional<bool> switchOn) {
    const QString key = !switchOn ? kImageFolder : *switchOn ? kImageOn : kImageOff;
    const bool settingImage = std::exchange(m_settingImage, true);
    item->setIcon(0, m_icons.value(key));
    item->setData(0, ImageKeyRole, key);
    if (switchOn) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, *switchOn ? Qt::Checked : Qt::Unchecked);
    }
    m_settingImage = settingImage;
}

QString FunctionTreeEditor::cellDescription(int index) const {
    const EditorModel& model = m_session.model();
    if (model.kind != EditorKind::Function)
        return {};
    // In the order the tree lists them; a stack of its own, as in addItems().
    QStringList spoken;
    std::vector<const FunctionNode*> pending{&model.functions};
    while (!pending.empty()) {
        const FunctionNode* node = pending.back();
        pending.pop_back();
        if (node->isSwitch() && node->cellIndex == index)
            spoken << uiText(m_session.strings(), node->on ? UiString::AccessibleSwitchOn
                                                           : UiString::AccessibleSwitchOff)
                          .replace(QLatin1String("%1"), uiText(node->text));
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
            pending.push_back(&*child);
    }
    return spoken.join(QStringLiteral("; "));
}

const FunctionNode* FunctionTreeEditor::switchOf(const QTreeWidgetItem* item) const {
    if (!item || m_items.value(itemKey(item)) != item)
        return nullptr;
    return m_session.model().switchByKey(itemKey(item).toStdString());
}

QString FunctionTreeEditor::pathOf(const QTreeWidgetItem* item) const {
    std::vector<std::string> texts;
    for (; item; item = item->parent())
        texts.push_back(item->text(0).toStdString());
    std::reverse(texts.begin(), texts.end());
    return uiText(statusPath(m_session.strings().get(UiString::LocationPrefix), texts));
}

// The window hides the editors that do not belong to the open file; a window
// that is not on screen yet (or any more) does not count as hiding the tree.
bool FunctionTreeEditor::shownInWindow() const {
    for (const QWidget* widget = this; widget && !widget->isWindow();
         widget = widget->parentWidget()) {
        if (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            return false;
    }
    return isEnabled();
}

} // namespace vantrel
