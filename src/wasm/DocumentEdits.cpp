// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document and the edits its editors make, each a named undo step.
#include "core/definitions/DefinitionsFailure.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/i18n/BuiltinStrings.h"
#include "wasm/BindingValues.h"
#include "wasm/DocumentBinding.h"

namespace vantrel::wasm {

namespace {

FunctionNode* findSwitch(FunctionNode& parent, const std::string& key) {
    for (FunctionNode& child : parent.children) {
        if (child.isSwitch() && child.key == key)
            return &child;
        if (FunctionNode* found = findSwitch(child, key))
            return found;
    }
    return nullptr;
}

std::string stepName(std::optional<UiString> label) {
    return label ? languageInUse().get(*label) : std::string();
}

} // namespace

Document::Document() {
    m_gridConnection = m_document.grid().addListener([this](int index) {
        if (index < 0)
            m_reset = true;
        else
            m_changed.push_back(index);
    });
}

val Document::loadDefinitions(const std::string& text, const std::string& name) {
    const XmlLoadResult result = m_document.loadDefinitionsText(text);
    if (!result.ok)
        return refusal(definitionsFailureMessage(languageInUse(), name, result));
    m_definitionsName = name;
    return val::undefined();
}

val Document::open(const val& bytes, const std::string& name) {
    endGesture();
    const OpenOutcome outcome = m_document.openBytes(name, bytesFrom(bytes));
    const UiStrings& strings = languageInUse();
    switch (outcome.status) {
    case OpenOutcome::Status::Opened:
        m_builder = FunctionTreeBuilder();
        return val::undefined();
    case OpenOutcome::Status::TooLarge:
        return refusal(expandLineBreaks(strings.get(UiString::TooLarge)));
    case OpenOutcome::Status::Empty:
        return refusal(strings.format(UiString::EmptyFile, {name}));
    case OpenOutcome::Status::Failed:
        break;
    }
    return refusal(strings.format(UiString::ReadFailed, {name, outcome.reason}));
}

void Document::close() {
    m_document.close();
}

val Document::setSwitch(const std::string& key, bool on) {
    endGesture();
    if (auto wrong = requireKind("function"))
        return *wrong;
    FunctionNode root = m_builder.build(m_document.type(), m_document.grid());
    FunctionNode* node = findSwitch(root, key);
    if (node == nullptr)
        return refusal("there is no switch " + key);
    EditScope step(m_document, UiString::UndoSwitch);
    if (!toggleSwitch(m_document.grid(), *node, on))
        return refusal(invalidCellMessage(node->cellIndex));
    return val::undefined();
}

val Document::setStyle(const std::string& key, bool on) {
    endGesture();
    if (auto wrong = requireKind("style"))
        return *wrong;
    StyleRows style = buildStyleRows(m_document.type(), m_document.grid());
    for (StyleRow& row : style.rows) {
        if (row.key == key) {
            EditScope step(m_document, UiString::UndoStyle);
            applyCheck(m_document.grid(), row, on);
            return val::undefined();
        }
    }
    return refusal("there is no style " + key);
}

val Document::setVolume(int row, int position) {
    if (auto wrong = requireKind("volume"))
        return *wrong;
    VolumeItems volume = buildVolumeItems(m_document.type(), m_document.grid());
    if (row < 0 || static_cast<std::size_t>(row) >= volume.items.size())
        return refusal("there is no volume row " + std::to_string(row));
    VolumeItem& item = volume.items[static_cast<std::size_t>(row)];
    if (position < item.min || position > item.max)
        return refusal(std::to_string(position) + " lies outside " + std::to_string(item.min) +
                       ".." + std::to_string(item.max));
    continueGesture(UiString::UndoVolume, "volume/" + std::to_string(row));
    EditScope step(m_document, UiString::UndoVolume);
    writeVolume(m_document.grid(), item, position);
    return val::undefined();
}

val Document::resetVolumes() {
    endGesture();
    if (auto wrong = requireKind("volume"))
        return *wrong;
    VolumeItems volume = buildVolumeItems(m_document.type(), m_document.grid());
    EditScope step(m_document, UiString::UndoVolumeReset);
    vantrel::resetVolumes(m_document.grid(), volume.items);
    return val::undefined();
}

val Document::setColor(const std::string& key, const std::string& rgbText, const val& gesture) {
    const auto entry = colorEntry(key);
    if (!entry)
        return refusal("there is no colour entry " + key);
    const std::optional<Rgb> color = rgbFromHexText(rgbText);
    if (!color)
        return refusal(languageInUse().format(UiString::ColorNotHex, {trimmedText(rgbText)}));
    const ColorRecord record = readColorRecord(m_document.grid(), *entry);
    if (*color == Rgb{record.red, record.green, record.blue})
        return val::undefined();
    if (gesture.isString())
        continueGesture(UiString::UndoColor,
                        "color/" + gesture.as<std::string>() + "/" + std::to_string(*entry));
    else
        endGesture();
    EditScope step(m_document, UiString::UndoColor);
    writeColor(m_document.grid(), *entry, color->red, color->green, color->blue);
    return val::undefined();
}

val Document::setTransparency(const std::string& key, const std::string& percentText) {
    const auto entry = colorEntry(key);
    if (!entry)
        return refusal("there is no colour entry " + key);
    const TransparencyInput input = transparencyFromText(percentText);
    {
        continueGesture(UiString::UndoColor, "color/txtT/" + std::to_string(*entry));
        EditScope step(m_document, UiString::UndoColor);
        writeTransparency(m_document.grid(), *entry, input.byte);
    }
    return val(input.correctedText.value_or(percentText));
}

val Document::setTitle(const std::string& title) {
    if (auto wrong = requireKind("color"))
        return *wrong;
    const std::u16string units = utf8ToUtf16(title);
    if (units.size() > static_cast<std::size_t>(kTitleUnits))
        return refusal(expandLineBreaks(languageInUse().get(UiString::ColorTitleTooLong)));
    if (!hasSchemeTitle(m_document.grid()))
        return refusal("the file has no room for a title");
    endGesture();
    EditScope step(m_document, UiString::UndoTitle);
    writeSchemeTitle(m_document.grid(), units);
    return val::undefined();
}

val Document::setCellText(int index, const std::string& text) {
    if (!m_document.grid().contains(index))
        return refusal("there is no cell " + std::to_string(index));
    endGesture();
    // Typing is one step per cell: the step ends when another cell gets the focus.
    m_document.grid().focusCell(index);
    m_document.grid().setText(index, text);
    return val::undefined();
}

std::string Document::undoName() const {
    return stepName(m_document.undoLabel());
}

std::string Document::redoName() const {
    return stepName(m_document.redoLabel());
}

void Document::undo() {
    endGesture();
    m_document.undo();
}

void Document::redo() {
    endGesture();
    m_document.redo();
}

void Document::continueGesture(UiString label, const std::string& key) {
    if (key == m_gestureKey)
        return;
    m_document.endGesture();
    m_document.beginGesture(label);
    m_gestureKey = key;
}

void Document::endGesture() {
    m_document.endGesture();
    m_gestureKey.clear();
}

bool Document::hasEditor() const {
    const std::string kind = m_document.typeName();
    for (const char* known : {"function", "style", "volume", "color", "outertext", "gprs"}) {
        if (kind == known)
            return true;
    }
    return false;
}

std::optional<val> Document::requireKind(const char* kind) const {
    if (m_document.typeName() == kind)
        return std::nullopt;
    return refusal(expandLineBreaks(languageInUse().get(UiString::TypeWithoutEditor)));
}

std::optional<int> Document::colorEntry(const std::string& key) const {
    if (m_document.typeName() != "color")
        return std::nullopt;
    const ColorTree tree = buildColorTree(m_document.type(), m_document.grid());
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (entry.key == key)
                return entry.offset;
        }
    }
    return std::nullopt;
}

} // namespace vantrel::wasm
