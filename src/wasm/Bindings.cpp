// SPDX-License-Identifier: GPL-3.0-or-later
// The core's JavaScript API (declared in vantrel-core.d.ts). Every function
// answers with plain JavaScript values; a refusal is answered with
// { vantrelError: message }, which errors.post.js turns into a thrown
// VantrelError once the call has left the module, so that no JavaScript
// exception ever unwinds through C++ frames.
#include "core/compare/SeemComparison.h"
#include "core/coverage/Coverage.h"
#include "core/definitions/DefinitionsFailure.h"
#include "core/document/CellStatus.h"
#include "core/document/FunctionTree.h"
#include "core/document/SeemDocument.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/files/SeemFile.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "core/i18n/LocaleLcid.h"
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"
#include "core/settings/SettingsStore.h"
#include "wasm/JsonText.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::wasm {

using emscripten::val;
using Json = nlohmann::json;

namespace {

// The strings of every message and step name: setLanguage's, else English.
UiStrings& languageInUse() {
    static UiStrings strings;
    return strings;
}

val refusal(const std::string& message) {
    val answer = val::object();
    answer.set("vantrelError", message);
    return answer;
}

// Large answers go over as one JSON text: far cheaper than building them a
// property at a time from C++.
val jsonValue(const Json& json) {
    return val::global("JSON").call<val>("parse",
                                         json.dump(-1, ' ', false, Json::error_handler_t::replace));
}

val jsonValue(const JsonText& json) {
    return val::global("JSON").call<val>("parse", json.text());
}

val bytesValue(const std::vector<std::uint8_t>& bytes) {
    // A copy: a view into the module's memory would change under the caller.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
        .call<val>("slice");
}

std::vector<std::uint8_t> bytesFrom(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

val stringArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

std::vector<std::string> stringsFrom(const val& array) {
    std::vector<std::string> texts;
    if (array.isUndefined() || array.isNull())
        return texts;
    const int length = array["length"].as<int>();
    for (int i = 0; i < length; ++i)
        texts.push_back(array[i].as<std::string>());
    return texts;
}

std::optional<int> optionalInt(const val& object, const char* name) {
    if (object.isUndefined() || object.isNull())
        return std::nullopt;
    const val member = object[name];
    if (member.isUndefined() || member.isNull())
        return std::nullopt;
    return member.as<int>();
}

bool optionalFlag(const val& object, const char* name) {
    return !object.isUndefined() && !object.isNull() && object[name].as<bool>();
}

// SettingKind and RecipeKind name the same kinds in the same order.
const char* kindName(SettingKind kind) {
    static_assert(static_cast<int>(SettingKind::Bytes) == static_cast<int>(RecipeKind::Bytes));
    static_assert(static_cast<int>(SettingKind::Gprs) == static_cast<int>(RecipeKind::Gprs));
    return recipeKindName(static_cast<RecipeKind>(static_cast<int>(kind)));
}

const char* gprsModeName(GprsDisplayMode mode) {
    return mode == GprsDisplayMode::AlwaysDate    ? "date"
           : mode == GprsDisplayMode::ShowNothing ? "nothing"
                                                  : "text";
}

std::optional<GprsDisplayMode> gprsModeFrom(const std::string& name) {
    if (name == "date")
        return GprsDisplayMode::AlwaysDate;
    if (name == "nothing")
        return GprsDisplayMode::ShowNothing;
    if (name == "text")
        return GprsDisplayMode::CustomText;
    return std::nullopt;
}

void writeFunctionNode(JsonText& json, const FunctionNode& node) {
    json.beginObject()
        .member("key", node.key)
        .member("kind", node.kind == FunctionNodeKind::Root     ? "root"
                        : node.kind == FunctionNodeKind::Folder ? "folder"
                                                                : "switch")
        .member("text", node.text)
        .member("tip", node.tip)
        .member("cell", node.cellIndex)
        .member("bit", node.bit)
        .member("on", node.on)
        .key("children")
        .beginArray();
    for (const FunctionNode& child : node.children)
        writeFunctionNode(json, child);
    json.endArray().endObject();
}

FunctionNode* findSwitch(FunctionNode& parent, const std::string& key) {
    for (FunctionNode& child : parent.children) {
        if (child.isSwitch() && child.key == key)
            return &child;
        if (FunctionNode* found = findSwitch(child, key))
            return found;
    }
    return nullptr;
}

} // namespace

// language.xml from its text, with the language chosen as the desktop chooses it.
class Language {
  public:
    Language(const std::string& text, const val& options) {
        MemorySettingsStore settings;
        if (const auto index = optionalInt(options, "index"))
            settings.setValue("language", std::to_string(*index));
        const auto lcid = optionalInt(options, "systemLcid");
        m_problem = messageOf(m_file.loadText(text, "language.xml", settings, lcid));
    }

    [[nodiscard]] int index() const { return m_file.index(); }
    [[nodiscard]] std::string problem() const { return m_problem; }
    // Nothing of the file could be used: the constructor's caller is refused.
    [[nodiscard]] bool unusable() const { return m_file.languages().empty(); }

    [[nodiscard]] val languages() const {
        val list = val::array();
        for (const LanguageMenuItem& item : m_file.languages()) {
            val entry = val::object();
            entry.set("caption", item.caption);
            entry.set("definitionsFile", item.definitionsFile);
            entry.set("lcid", item.lcid ? val(*item.lcid) : val::null());
            list.call<void>("push", entry);
        }
        return list;
    }

    [[nodiscard]] std::string string(int n, const val& args) const {
        const UiStrings& strings = m_file.strings();
        return expandLineBreaks(strings.format(static_cast<UiString>(n), stringsFrom(args)));
    }

    [[nodiscard]] val caption(const std::string& window, const std::string& control) const {
        const auto text = m_file.caption(window, control);
        return text ? val(*text) : val::null();
    }

    [[nodiscard]] const UiStrings& strings() const { return m_file.strings(); }

  private:
    LanguageFile m_file;
    std::string m_problem;
};

// One document in memory, as one window of the desktop editor holds it.
class Document {
  public:
    Document() {
        m_gridConnection = m_document.grid().addListener([this](int index) {
            if (index < 0)
                m_reset = true;
            else
                m_changed.push_back(index);
        });
    }

    val loadDefinitions(const std::string& text, const std::string& name) {
        const XmlLoadResult result = m_document.loadDefinitionsText(text);
        if (!result.ok)
            return refusal(definitionsFailureMessage(languageInUse(), name, result));
        m_definitionsName = name;
        return val::undefined();
    }

    val open(const val& bytes, const std::string& name) {
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

    void close() { m_document.close(); }
    [[nodiscard]] std::string name() const { return m_document.path(); }
    [[nodiscard]] bool isOpen() const { return m_document.hasFile(); }

    [[nodiscard]] val type() const {
        const XmlElement type = m_document.type();
        if (type.isNull())
            return val::null();
        val info = val::object();
        info.set("id", type.attribute("ID").value_or(""));
        info.set("type", m_document.typeName());
        info.set("tip", type.attribute("tip").value_or(""));
        info.set("size", std::atoi(type.attribute("size").value_or("0").c_str()));
        info.set("alert", expandLineBreaks(type.attribute("alert").value_or("")));
        info.set("hasEditor", hasEditor());
        return info;
    }

    val editorModel() {
        const std::string kind = hasEditor() ? m_document.typeName() : "none";
        const XmlElement type = m_document.type();
        const ByteGrid& grid = m_document.grid();
        JsonText json;
        json.beginObject().member("kind", kind);
        bool complete = true;
        if (kind == "function") {
            DefinitionProblems problems;
            const FunctionNode root = m_builder.build(type, grid, &problems);
            json.key("root");
            writeFunctionNode(json, root);
            complete = problems.empty();
        } else if (kind == "style") {
            const StyleRows style = buildStyleRows(type, grid);
            json.key("rows").beginArray();
            for (const StyleRow& row : style.rows) {
                json.beginObject()
                    .member("key", row.key)
                    .member("text", row.text)
                    .member("tip", row.tip)
                    .member("cell", row.offset)
                    .member("on", row.checked)
                    .endObject();
            }
            json.endArray();
            complete = style.complete;
        } else if (kind == "volume") {
            const VolumeItems volume = buildVolumeItems(type, grid);
            json.key("items").beginArray();
            for (std::size_t row = 0; row < volume.items.size(); ++row) {
                const VolumeItem& item = volume.items[row];
                json.beginObject()
                    .member("row", static_cast<int>(row))
                    .member("caption", item.caption)
                    .member("tip", item.tip)
                    .member("cell", item.offset)
                    .member("position", item.position)
                    .member("stored", item.storedByte)
                    .member("min", item.min)
                    .member("max", item.max)
                    .member("default", item.defaultPosition)
                    .endObject();
            }
            json.endArray();
            complete = volume.complete;
        } else if (kind == "color") {
            const ColorTree tree = buildColorTree(type, grid);
            json.key("groups").beginArray();
            for (const ColorGroup& group : tree.groups) {
                json.beginObject()
                    .member("key", group.key)
                    .member("caption", group.caption)
                    .key("entries")
                    .beginArray();
                for (const ColorEntry& entry : group.entries) {
                    const ColorRecord record = readColorRecord(grid, entry.offset);
                    json.beginObject()
                        .member("key", entry.key)
                        .member("caption", entry.caption)
                        .member("cell", entry.offset)
                        .member("role", entry.role)
                        .member("rgb", colorHexText(Rgb{record.red, record.green, record.blue}))
                        .member("transparency", percentFromByte(record.transparency))
                        .endObject();
                }
                json.endArray().endObject();
            }
            json.endArray()
                .member("title", utf16ToUtf8(readSchemeTitle(grid)))
                .member("hasTitle", hasSchemeTitle(grid));
            complete = tree.complete;
        } else if (kind == "outertext") {
            json.member("text", utf16ToUtf8(decodeOuterTextRecord(grid.bytes())));
        } else if (kind == "gprs") {
            const GprsSetting setting = decodeGprsTextRecord(grid.bytes());
            json.member("mode", gprsModeName(setting.mode))
                .member("text", utf16ToUtf8(setting.text));
        }
        json.member("complete", complete).endObject();
        return jsonValue(json);
    }

    val setSwitch(const std::string& key, bool on) {
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

    val setStyle(const std::string& key, bool on) {
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

    val setVolume(int row, int position) {
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

    val resetVolumes() {
        endGesture();
        if (auto wrong = requireKind("volume"))
            return *wrong;
        VolumeItems volume = buildVolumeItems(m_document.type(), m_document.grid());
        EditScope step(m_document, UiString::UndoVolumeReset);
        vantrel::resetVolumes(m_document.grid(), volume.items);
        return val::undefined();
    }

    val setColor(const std::string& key, const std::string& rgbText, const val& gesture) {
        const auto entry = colorEntry(key);
        if (!entry)
            return refusal("there is no colour entry " + key);
        const std::optional<Rgb> color = rgbFromHexText(rgbText);
        if (!color)
            return refusal(languageInUse().format(UiString::ColorNotHex, {trimmed(rgbText)}));
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

    val setTransparency(const std::string& key, const std::string& percentText) {
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

    val setTitle(const std::string& title) {
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

    val setCellText(int index, const std::string& text) {
        if (!m_document.grid().contains(index))
            return refusal("there is no cell " + std::to_string(index));
        endGesture();
        // Typing is one step per cell: the step ends when another cell gets the focus.
        m_document.grid().focusCell(index);
        m_document.grid().setText(index, text);
        return val::undefined();
    }

    [[nodiscard]] bool canUndo() const { return m_document.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_document.canRedo(); }
    [[nodiscard]] std::string undoName() const { return stepName(m_document.undoLabel()); }
    [[nodiscard]] std::string redoName() const { return stepName(m_document.redoLabel()); }
    void undo() {
        endGesture();
        m_document.undo();
    }
    void redo() {
        endGesture();
        m_document.redo();
    }
    [[nodiscard]] bool isModified() const { return m_document.isModified(); }

    [[nodiscard]] val bytesToSave() const {
        std::vector<std::uint8_t> bytes;
        if (const auto invalid = m_document.bytesToSave(bytes))
            return refusal(invalidCellMessage(*invalid));
        return bytesValue(bytes);
    }

    val markSaved() {
        endGesture();
        std::vector<std::uint8_t> bytes;
        if (const auto invalid = m_document.bytesToSave(bytes))
            return refusal(invalidCellMessage(*invalid));
        m_document.markSaved(std::move(bytes));
        return val::undefined();
    }

    [[nodiscard]] val savedBytes() const { return bytesValue(m_document.savedBytes()); }

    [[nodiscard]] int cellCount() const { return m_document.grid().cellCount(); }
    [[nodiscard]] std::string cellText(int index) const {
        return m_document.grid().contains(index) ? m_document.grid().text(index) : std::string();
    }
    [[nodiscard]] val cellTexts() const {
        JsonText json;
        json.beginArray();
        for (int i = 0; i < m_document.grid().cellCount(); ++i)
            json.value(m_document.grid().text(i));
        json.endArray();
        return jsonValue(json);
    }
    [[nodiscard]] std::string cellStatus(int index) const {
        return cellStatusText(index, cellText(index), languageInUse());
    }

    // The cells changed since the last call, in order; [-1] when all may have.
    val takeChangedCells() {
        val list = val::array();
        if (m_reset)
            list.call<void>("push", -1);
        else
            for (const int index : m_changed)
                list.call<void>("push", index);
        m_changed.clear();
        m_reset = false;
        return list;
    }

    [[nodiscard]] std::string outerTextPrefill() const {
        return utf16ToUtf8(
            vantrel::outerTextPrefill(m_document.typeName(), m_document.savedBytes()));
    }

    [[nodiscard]] val gprsPrefill() const {
        const GprsSetting setting =
            vantrel::gprsPrefill(m_document.path(), m_document.typeName(), m_document.savedBytes());
        val value = val::object();
        value.set("mode", gprsModeName(setting.mode));
        value.set("text", utf16ToUtf8(setting.text));
        return value;
    }

    [[nodiscard]] val compare(const Document& other) const {
        const SeemComparison comparison = compareWith(other);
        Json differences = Json::array();
        for (const SettingDifference& difference : comparison.differences) {
            differences.push_back({{"kind", kindName(difference.kind)},
                                   {"key", difference.key},
                                   {"name", difference.name},
                                   {"ours", difference.ours},
                                   {"theirs", difference.theirs},
                                   {"firstCell", difference.firstCell},
                                   {"lastCell", difference.lastCell},
                                   {"canTake", canTake(m_document.grid(), difference)}});
        }
        return jsonValue({{"bySettings", comparison.bySettings},
                          {"reason", comparison.reason},
                          {"differences", std::move(differences)}});
    }

    val takeOther(const Document& other, int index) {
        endGesture();
        const SeemComparison comparison = compareWith(other);
        if (index < 0 || static_cast<std::size_t>(index) >= comparison.differences.size())
            return refusal("there is no difference " + std::to_string(index));
        const SettingDifference& difference =
            comparison.differences[static_cast<std::size_t>(index)];
        if (!canTake(m_document.grid(), difference))
            return refusal("the other file's value of " + difference.name + " cannot be taken");
        EditScope step(m_document, UiString::UndoTakeOther);
        takeOtherValue(m_document.grid(), difference);
        return val::undefined();
    }

    [[nodiscard]] std::string exportRecipe() const {
        return recipeToJson(vantrel::exportRecipe(target(), seemIdOfPath(m_document.path())));
    }

    [[nodiscard]] val recipeTo(const Document& other) const {
        Recipe recipe;
        if (!recipeBetween(target(), other.target(), seemIdOfPath(m_document.path()), recipe))
            return refusal("the files differ in size; a recipe cannot change a size");
        return val(recipeToJson(recipe));
    }

    val applyRecipe(const std::string& json, const val& options) {
        endGesture();
        const RecipeParse parsed = parseRecipe(json);
        if (!parsed.ok())
            return refusal(joinLines(parsed.problems));
        const auto entries =
            entriesForFile(parsed.recipe, m_document.path(), optionalFlag(options, "anyName"));
        if (entries.empty())
            return refusal("the recipe has nothing for seem " + seemIdOfPath(m_document.path()));
        const ByteGrid& grid = m_document.grid();
        ByteGrid trial;
        trial.rebuild(grid.cellCount() - 1);
        for (int i = 0; i < grid.cellCount(); ++i)
            trial.setText(i, grid.text(i));
        const auto problems =
            applyRecipeEntries(m_document.type(), m_document.typeName(), trial, entries);
        if (!problems.empty())
            return refusal(joinLines(problems));
        const SeemComparison changes =
            compareSeemFiles({m_document.type(), m_document.typeName(), grid},
                             {m_document.type(), m_document.typeName(), trial}, languageInUse());
        std::vector<std::string> lines;
        for (const SettingDifference& difference : changes.differences)
            lines.push_back(differenceLine(difference));
        const bool apply = !optionalFlag(options, "dryRun") && !lines.empty();
        if (apply) {
            EditScope step(m_document, UiString::UndoApplySettings);
            for (int i = 0; i < grid.cellCount(); ++i) {
                if (trial.text(i) != grid.text(i))
                    m_document.grid().setText(i, trial.text(i));
            }
        }
        val result = val::object();
        result.set("changes", stringArray(lines));
        result.set("changed", apply);
        return result;
    }

    [[nodiscard]] val coverage() const {
        const Coverage coverage = computeCoverageNow();
        Json items = Json::array();
        for (const CoveredItem& item : coverage.items) {
            items.push_back({{"kind", kindName(item.kind)},
                             {"key", item.key},
                             {"name", item.name},
                             {"firstCell", item.firstCell},
                             {"lastCell", item.lastCell},
                             {"mask", item.mask},
                             {"value", coveredValue(item, m_document.grid(), languageInUse())}});
        }
        Json overlaps = Json::array();
        for (const auto& [first, second] : coverage.overlaps)
            overlaps.push_back({first, second});
        val value = jsonValue({{"items", std::move(items)}, {"overlaps", std::move(overlaps)}});
        value.set("describedBits", bytesValue(coverage.describedBits));
        return value;
    }

    [[nodiscard]] val byteInfo(int cell) const {
        if (!m_document.grid().contains(cell))
            return refusal("there is no cell " + std::to_string(cell));
        const Coverage coverage = computeCoverageNow();
        val items = val::array();
        for (const std::size_t item : coverage.itemsAt(cell))
            items.call<void>("push", static_cast<int>(item));
        val value = val::object();
        value.set("text", cellCoverageText(coverage, cell, languageInUse()));
        value.set("items", items);
        return value;
    }

  private:
    // Calls in a row that continue one gesture (a slider dragged, a box typed
    // into) are one undo step; any other call ends it.
    void continueGesture(UiString label, const std::string& key) {
        if (key == m_gestureKey)
            return;
        m_document.endGesture();
        m_document.beginGesture(label);
        m_gestureKey = key;
    }
    void endGesture() {
        m_document.endGesture();
        m_gestureKey.clear();
    }
    [[nodiscard]] bool hasEditor() const {
        const std::string kind = m_document.typeName();
        for (const char* known : {"function", "style", "volume", "color", "outertext", "gprs"}) {
            if (kind == known)
                return true;
        }
        return false;
    }

    // The editor's refusal of a file of another kind, as the desktop has no editor for it.
    [[nodiscard]] std::optional<val> requireKind(const char* kind) const {
        if (m_document.typeName() == kind)
            return std::nullopt;
        return refusal(expandLineBreaks(languageInUse().get(UiString::TypeWithoutEditor)));
    }

    [[nodiscard]] std::optional<int> colorEntry(const std::string& key) const {
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

    [[nodiscard]] static std::string trimmed(std::string text) {
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos)
            return {};
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    [[nodiscard]] static std::string joinLines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += (text.empty() ? "" : "\n") + line;
        return text;
    }

    [[nodiscard]] static std::string invalidCellMessage(int cell) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(cell));
        return languageInUse().format(UiString::InvalidCell, {std::to_string(cell), hex});
    }

    [[nodiscard]] static std::string stepName(std::optional<UiString> label) {
        return label ? languageInUse().get(*label) : std::string();
    }

    [[nodiscard]] RecipeTarget target() const {
        return {m_document.type(), m_document.typeName(), m_document.grid()};
    }

    [[nodiscard]] SeemComparison compareWith(const Document& other) const {
        return compareSeemFiles(
            {m_document.type(), m_document.typeName(), m_document.grid()},
            {other.m_document.type(), other.m_document.typeName(), other.m_document.grid()},
            languageInUse());
    }

    [[nodiscard]] Coverage computeCoverageNow() const {
        return computeCoverage(m_document.type(), m_document.typeName(), m_document.grid(),
                               languageInUse());
    }

    SeemDocument m_document;
    std::string m_gestureKey;
    FunctionTreeBuilder m_builder;
    std::string m_definitionsName;
    ListenerConnection m_gridConnection;
    std::vector<int> m_changed;
    bool m_reset = false;
};

void setLanguage(const Language& language) {
    languageInUse() = language.strings();
}

std::string uiString(int n, const val& args) {
    return expandLineBreaks(languageInUse().format(static_cast<UiString>(n), stringsFrom(args)));
}

val lcidForLocale(const std::string& name) {
    const auto lcid = lcidForLocaleName(name);
    return lcid ? val(*lcid) : val::null();
}

val outerTextRecord(const std::string& text) {
    return bytesValue(encodeOuterTextRecord(utf8ToUtf16(text)));
}

val outerTextInfo(const std::string& text) {
    const std::u16string typed = utf8ToUtf16(text);
    val info = val::object();
    info.set("stored", utf16ToUtf8(outerTextStored(typed)));
    info.set("cut", outerTextIsCut(typed));
    info.set("fitsScreen", outerTextFitsScreen(typed));
    return info;
}

val gprsRecord(const std::string& mode, const std::string& text) {
    const auto chosen = gprsModeFrom(mode);
    if (!chosen)
        return refusal("no GPRS mode is called \"" + mode + "\"");
    return bytesValue(encodeGprsTextRecord(*chosen, utf8ToUtf16(text)));
}

EMSCRIPTEN_BINDINGS(vantrel_core) {
    using emscripten::class_;
    using emscripten::function;

    class_<Language>("Language")
        .constructor<const std::string&, const val&>()
        .property("index", &Language::index)
        .property("problem", &Language::problem)
        .function("unusable", &Language::unusable)
        .function("languages", &Language::languages)
        .function("string", &Language::string)
        .function("caption", &Language::caption);

    class_<Document>("Document")
        .constructor<>()
        .function("loadDefinitions", &Document::loadDefinitions)
        .function("open", &Document::open)
        .function("close", &Document::close)
        .property("name", &Document::name)
        .function("isOpen", &Document::isOpen)
        .function("type", &Document::type)
        .function("editorModel", &Document::editorModel)
        .function("setSwitch", &Document::setSwitch)
        .function("setStyle", &Document::setStyle)
        .function("setVolume", &Document::setVolume)
        .function("resetVolumes", &Document::resetVolumes)
        .function("setColor", &Document::setColor)
        .function("setTransparency", &Document::setTransparency)
        .function("setTitle", &Document::setTitle)
        .function("setCellText", &Document::setCellText)
        .function("canUndo", &Document::canUndo)
        .function("canRedo", &Document::canRedo)
        .function("undoName", &Document::undoName)
        .function("redoName", &Document::redoName)
        .function("undo", &Document::undo)
        .function("redo", &Document::redo)
        .function("isModified", &Document::isModified)
        .function("bytesToSave", &Document::bytesToSave)
        .function("markSaved", &Document::markSaved)
        .function("savedBytes", &Document::savedBytes)
        .function("cellCount", &Document::cellCount)
        .function("cellText", &Document::cellText)
        .function("cellTexts", &Document::cellTexts)
        .function("cellStatus", &Document::cellStatus)
        .function("takeChangedCells", &Document::takeChangedCells)
        .function("outerTextPrefill", &Document::outerTextPrefill)
        .function("gprsPrefill", &Document::gprsPrefill)
        .function("compare", &Document::compare)
        .function("takeOther", &Document::takeOther)
        .function("exportRecipe", &Document::exportRecipe)
        .function("recipeTo", &Document::recipeTo)
        .function("applyRecipe", &Document::applyRecipe)
        .function("coverage", &Document::coverage)
        .function("byteInfo", &Document::byteInfo);

    function("setLanguage", &setLanguage);
    function("uiString", &uiString);
    function("lcidForLocale", &lcidForLocale);
    function("outerTextRecord", &outerTextRecord);
    function("outerTextInfo", &outerTextInfo);
    function("gprsRecord", &gprsRecord);
    emscripten::constant("maxFileSize", static_cast<int>(kMaxSeemFileSize));
}

} // namespace vantrel::wasm
