// The texts of the media control interface's errors that the simulated drive gives, as Wine
// words them in English and in Japanese. The language follows the ANSI code page.
#include <cstring>

#include "winsim/winapi.h"

namespace {

struct ErrorText {
    MCIERROR error;
    const char* english;
    const char* japanese;
};

constexpr ErrorText kTexts[] = {
    {MCIERR_INVALID_DEVICE_ID,
     "Invalid MCI device ID. Use the ID returned when opening the MCI device.",
     "無効なMCIデバイスIDです。MCIデバイスをオープンしたときに返されたIDを使用して下さい。"},
    {MCIERR_HARDWARE,
     "There is a problem with your media device. Make sure it is working correctly or contact "
     "the device manufacturer.",
     "メディア デバイスに問題が発生しました。デバイスが正常に動作しているか確認するか、製造元に問"
     "い合わせて下さい。"},
    {MCIERR_INVALID_DEVICE_NAME, "The specified device is not open or is not recognized by MCI.",
     "指定されたデバイスはオープンされていないか、MCI に認識されていません。"},
    {MCIERR_CANNOT_LOAD_DRIVER,
     "There is an undetectable problem in loading the specified device driver.",
     "指定されたデバイス ドライバーのロード中に不明なエラーが発生しました。"},
    {MCIERR_UNSUPPORTED_FUNCTION,
     "The MCI device you are using does not support the specified command.",
     "使用している MCI デバイスは指定されたコマンドをサポートしていません。"},
    {MCIERR_DEVICE_NOT_READY, "The device driver is not ready.",
     "デバイス ドライバーの準備ができていません。"},
    {MCIERR_OUTOFRANGE, "The specified parameter is out of range for the specified command.",
     "指定されたコマンドに対して指定されたパラメーターは範囲外です。"},
};

bool IsLeadByte(unsigned char byte) {
    return GetACP() == 932 && ((byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc));
}

}  // namespace

BOOL WINAPI mciGetErrorStringA(MCIERROR error, LPSTR text, UINT textSize) {
    if (text == nullptr || textSize == 0) return FALSE;
    for (const ErrorText& entry : kTexts) {
        if (entry.error != error) continue;
        const char* source = GetACP() == 932 ? entry.japanese : entry.english;
        // Whole characters only: a double-byte character that does not fit is left out.
        std::size_t length = 0;
        std::size_t total = std::strlen(source);
        while (length < total) {
            std::size_t next = length + (IsLeadByte(source[length]) ? 2 : 1);
            if (next > textSize - 1) break;
            length = next;
        }
        std::memcpy(text, source, length);
        text[length] = '\0';
        return length > 0 ? TRUE : FALSE;
    }
    return FALSE;
}
