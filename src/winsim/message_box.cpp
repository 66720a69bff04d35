// Message boxes: each one is recorded and answered by the script, after the scripted delay.
#include <deque>

#include "winsim/clock.h"
#include "winsim/detail.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"
#include "winsim/utf8.h"

namespace winsim {
namespace {

struct Answer {
    int button;
    std::uint32_t afterMs;
};

std::deque<Answer> answers;
std::vector<MessageBoxRecord> records;

}  // namespace

void AnswerMessageBox(int button, std::uint32_t afterMs) {
    answers.push_back(Answer{button, afterMs});
}

const std::vector<MessageBoxRecord>& MessageBoxes() { return records; }

namespace detail {

void ResetMessageBoxes() {
    answers.clear();
    records.clear();
}

}  // namespace detail
}  // namespace winsim

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    using namespace winsim;
    std::u16string shownText = text ? text : u"";
    if (answers.empty()) {
        detail::Fail("a message box opened, and no answer is scripted: \"" +
                     detail::Utf8(shownText) + "\"");
    }
    Answer answer = answers.front();
    answers.pop_front();
    detail::NoteScriptUsed();
    records.push_back(MessageBoxRecord{owner, shownText, caption ? caption : u"", type,
                                       answer.button, detail::ClockNow()});
    detail::ModalWait(answer.afterMs);
    return answer.button;
}
