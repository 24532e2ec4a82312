// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions, opening and closing, the questions before a file is set aside,
// saving as bytes the page stores, and the two generators.
#include "core/editors/SchemeTitle.h"
#include "core/i18n/Captions.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"
#include "wasm/SessionNames.h"

namespace vantrel::wasm {

namespace {

// A message's members, of a Message or of a Question, which extends it.
void writeMessage(JsonText& json, const UiMessage& message, const UiStrings& strings) {
    json.member(page::Message::text, message.text(strings))
        .member(page::Message::icon, iconText(message.icon));
}

val questionValue(const Question& question, const UiStrings& strings) {
    JsonText json;
    json.beginObject();
    writeMessage(json, question.text, strings);
    json.key(page::Question::answers).beginArray();
    for (const Answer answer : question.answers) {
        json.beginObject()
            .member(page::QuestionAnswer::answer, answerText(answer))
            .member(page::QuestionAnswer::label,
                    withoutAccessKey(strings.get(answerString(answer))))
            .endObject();
    }
    json.endArray()
        .member(page::Question::defaultAnswer, answerText(question.defaultAnswer))
        .member(page::Question::cancelAnswer, answerText(question.cancelAnswer))
        .endObject();
    return jsonValue(json);
}

val generatedValue(const GeneratedFile& file, const UiStrings& strings) {
    val value = val::object();
    setMember(value, page::GeneratedFile::bytes, bytesValue(file.bytes));
    setMember(value, page::GeneratedFile::fileName, file.fileName);
    setMember(value, page::GeneratedFile::hint,
              file.hint ? val(file.hint->text(strings)) : val::null());
    setMember(value, page::GeneratedFile::warning, file.warning);
    return value;
}

} // namespace

val SessionBinding::loadDefinitions(const val& text, const val& name, const val& chosen) {
    PageValues in("loadDefinitions");
    const std::string definitions = in.text(text, "text");
    const std::string fileName = in.text(name, "name");
    const bool userChosen = !PageValues::absent(chosen) && in.flag(chosen, "chosen");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    if (const auto failure = m_session.loadDefinitionsText(definitions, fileName, userChosen))
        return refusal(failure->message);
    m_definitionsText = definitions;
    m_definitionsName = fileName;
    // The comparison stays, its file read again on the new definitions.
    if (m_other) {
        std::string refused;
        m_other =
            openOther(m_other->document().path(), m_other->document().grid().bytes(), refused);
    }
    m_coverage.reset();
    return val::undefined();
}

val SessionBinding::open(const val& bytes, const val& name, const val& reason) {
    PageValues in("open");
    std::vector<std::uint8_t> content = in.bytes(bytes, "bytes");
    const std::string fileName = in.text(name, "name");
    const auto reasonName = in.optionalText(reason, "reason");
    const auto why = reasonName ? openReasonNamed(*reasonName) : OpenReason::Open;
    if (!in.failed() && !why)
        return refusal("open: reason must be " + wordList(page::OpenReasonWords));
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    const OpenResult result = m_session.openBytes(fileName, std::move(content), *why);
    JsonText json;
    json.beginObject()
        .member(page::OpenResult::opened, result.opened)
        .member(page::OpenResult::editor, editorKindText(result.editor))
        .key(page::OpenResult::message);
    if (result.message) {
        json.beginObject();
        writeMessage(json, *result.message, strings());
        json.endObject();
    } else {
        json.null();
    }
    json.key(page::OpenResult::tip);
    if (result.tip)
        json.beginObject()
            .member(page::FeatureTip::text, result.tip->text)
            .member(page::FeatureTip::typeId, result.tip->typeId)
            .endObject();
    else
        json.null();
    json.endObject();
    return jsonValue(json);
}

val SessionBinding::close() {
    const Call call(*this);
    m_session.close();
    return val::undefined();
}

val SessionBinding::questionBefore(const val& leaving) const {
    PageValues in("questionBefore");
    const auto why = leavingNamed(in.text(leaving, "leaving"));
    if (!in.failed() && !why)
        return refusal("questionBefore: leaving must be " + wordList(page::LeavingWords));
    if (in.failed())
        return in.refusal();
    const auto question = m_session.questionBefore(*why);
    return question ? questionValue(*question, strings()) : val::null();
}

val SessionBinding::diskChangeQuestion(const val& state) const {
    PageValues in("diskChangeQuestion");
    const auto change = valueNamed(page::DiskChangeWords, in.text(state, "state"));
    if (!in.failed() && !change)
        return refusal("diskChangeQuestion: state must be " + wordList(page::DiskChangeWords));
    if (in.failed())
        return in.refusal();
    return questionValue(m_session.diskChangeQuestion(*change), strings());
}

val SessionBinding::bytesToSave() {
    std::vector<std::uint8_t> bytes;
    const SaveResult result = m_session.bytesToSave(bytes);
    if (result.status != SaveResult::Status::Saved) {
        // The cell is shown, as the desktop shows it before saying why.
        const Call call(*this);
        m_session.focusCell(result.invalidCell);
        return refusal(result.message);
    }
    return bytesValue(bytes);
}

val SessionBinding::markSaved(const val& bytes, const val& name) {
    PageValues in("markSaved");
    std::vector<std::uint8_t> saved = in.bytes(bytes, "bytes");
    const std::string storedAs = in.text(name, "name");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    m_session.markSaved(std::move(saved), storedAs);
    return val::undefined();
}

val SessionBinding::fileNameToSave() const {
    return val(m_session.fileNameToSave());
}

val SessionBinding::generatedFileName(const val& kind) const {
    PageValues in("generatedFileName");
    const EditorKind generator = editorKindOf(in.text(kind, "kind"));
    if (!in.failed() && !isGenerator(generator))
        return refusal("generatedFileName: kind must be \"outertext\" or \"gprs\"");
    if (in.failed())
        return in.refusal();
    return val(m_session.generatedFileName(generator));
}

val SessionBinding::downloadFileName(const val& typed) const {
    PageValues in("downloadFileName");
    const std::string name = in.text(typed, "typed");
    if (in.failed())
        return in.refusal();
    return val(m_session.downloadFileName(name));
}

val SessionBinding::tipsOn() const {
    return val(m_session.tipsOn());
}

val SessionBinding::setTipsOn(const val& on) {
    PageValues in("setTipsOn");
    const bool wanted = in.flag(on, "on");
    if (in.failed())
        return in.refusal();
    m_session.setTipsOn(wanted);
    return val::undefined();
}

val SessionBinding::setWithoutKeyboard(const val& without) {
    PageValues in("setWithoutKeyboard");
    const bool wanted = in.flag(without, "without");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    m_session.setWithoutKeyboard(wanted);
    return val::undefined();
}

val SessionBinding::outerTextPrefill() const {
    return val(utf16ToUtf8(m_session.outerTextPrefill()));
}

val SessionBinding::gprsPrefill() const {
    const GprsSetting setting = m_session.gprsPrefill();
    JsonText json;
    json.beginObject()
        .member(page::GprsPrefill::mode, gprsModeText(setting.mode))
        .member(page::GprsPrefill::text, utf16ToUtf8(setting.text))
        .endObject();
    return jsonValue(json);
}

val SessionBinding::generateOuterText(const val& text) const {
    PageValues in("generateOuterText");
    const std::string typed = in.text(text, "text");
    if (in.failed())
        return in.refusal();
    return generatedValue(m_session.generateOuterText(utf8ToUtf16(typed)), strings());
}

val SessionBinding::generateGprs(const val& mode, const val& text) const {
    PageValues in("generateGprs");
    const auto chosen = gprsModeNamed(in.text(mode, "mode"));
    const std::string typed = in.text(text, "text");
    if (!in.failed() && !chosen)
        return refusal("generateGprs: mode must be " + wordList(page::GprsModeWords));
    if (in.failed())
        return in.refusal();
    return generatedValue(m_session.generateGprs(*chosen, utf8ToUtf16(typed)), strings());
}

} // namespace vantrel::wasm
