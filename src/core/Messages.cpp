#include "core/Messages.h"

#include <iterator>

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
        {"显示或隐藏 Mirato 输入框", "顯示或隱藏 Mirato 輸入框", "Show or hide the Mirato box"},
        {"此桌面无法为 Mirato 设置全局的 Alt+R。请在桌面的键盘设置中，把命令“mirato "
         "--toggle”绑定到一个按键，用它显示或隐藏输入框。",
         "此桌面無法為 Mirato 設定全域的 Alt+R。請在桌面的鍵盤設定中，把指令「mirato "
         "--toggle」綁定到一個按鍵，用它顯示或隱藏輸入框。",
         "This desktop does not give Mirato Alt+R for the whole screen. To show and hide the box "
         "with a key, bind the command \"mirato --toggle\" to it in the desktop's keyboard "
         "settings."},
        {"更改显示输入框的快捷键...", "變更顯示輸入框的快速鍵...", "Change the box's key..."},
        {"此桌面不提供空闲时间，无法使用省电模式。", "此桌面不提供閒置時間，無法使用省電模式。",
         "This desktop does not tell how long it has been idle, so power saving cannot work."},
        {"清除输入记录", "清除輸入記錄", "Clear the typed lines"},
        {"在线查找歌词", "線上尋找歌詞", "Find lyrics online"},
        {"歌词提前 0.1 秒", "歌詞提前 0.1 秒", "Lyrics 0.1 s earlier"},
        {"歌词延后 0.1 秒", "歌詞延後 0.1 秒", "Lyrics 0.1 s later"},
        {"歌词偏移 %1", "歌詞偏移 %1", "Lyrics offset %1"},
        {"响度", "響度", "Loudness"},
        {"关闭", "關閉", "Off"},
        {"按单曲", "按單曲", "Track"},
        {"按专辑", "按專輯", "Album"},
        {"播放 %1", "播放 %1", "Play %1"},
        {"播放列表 %1", "播放清單 %1", "Play the list %1"},
        {"在浏览器中打开 %1", "在瀏覽器中開啟 %1", "Open %1 in the browser"},
        {"打开 %1", "開啟 %1", "Open %1"},
        {"启动 %1", "啟動 %1", "Start %1"},
        {"启动插件 %1", "啟動外掛程式 %1", "Start the plug-in %1"},
        {"运行 %1", "執行 %1", "Run %1"},
        {"在终端中运行 %1", "在終端機中執行 %1", "Run %1 in a terminal"},
        {"在网上搜索 %1", "在網路上搜尋 %1", "Search the web for %1"},
        {"透明度设为 %1", "透明度設為 %1", "Set the opacity to %1"},
        {"把当前列表保存为 %1", "把目前清單儲存為 %1", "Save the current list as %1"},
        {"删除列表 %1", "刪除清單 %1", "Delete the list %1"},
        {"查询号码 %1", "查詢號碼 %1", "Look up the number %1"},
        {"查询地址 %1", "查詢位址 %1", "Look up the address %1"},
        {"%1 没有有限的结果", "%1 沒有有限的結果", "%1 has no finite answer"},
        {"注册组件 %1", "註冊元件 %1", "Register the component %1"},
    };
    static_assert(std::size(table) == static_cast<std::size_t>(Message::RowRegister) + 1,
                  "one row for each message, the last one last");
    return QString::fromUtf8(table[static_cast<int>(message)][column]);
}

}  // namespace mirato::Messages
