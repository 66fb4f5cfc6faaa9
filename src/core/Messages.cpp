#include "core/Messages.h"

namespace mirato::Messages {

QString text(const QString& language, Message message) {
    const int column = language == QLatin1String("3") ? 2 : language == QLatin1String("2") ? 1 : 0;
    // Simplified Chinese, Traditional Chinese, English.
    static const char* const table[][3] = {
        {"哎呀！无法把 %1 复制到 %2。", "哎呀！無法把 %1 複製到 %2。",
         "Oops! Could not copy %1 to %2."},
        {"哎呀！无法写入播放列表 %1。", "哎呀！無法寫入播放清單 %1。",
         "Oops! Could not write the playlist %1."},
        {"无法载入播放组件（%1），暂时不能播放。", "無法載入播放元件（%1），暫時不能播放。",
         "The playback engine could not be loaded (%1); nothing can be played for now."},
        {"找不到可用的音频设备，将静音播放。", "找不到可用的音訊裝置，將靜音播放。",
         "No audio device could be opened; playing silently."},
    };
    return QString::fromUtf8(table[static_cast<int>(message)][column]);
}

}  // namespace mirato::Messages
