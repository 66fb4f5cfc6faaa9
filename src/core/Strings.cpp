#include "core/Strings.h"

#include <array>
#include <iterator>

namespace mirato {

namespace {

constexpr int kCodeCount = Strings::kCodeCount;

// Texts are kept byte for byte, blanks and tabs included: several are halves of one sentence
// placed around a name.
// Language 1
constexpr std::array<const char*, kCodeCount> kLanguage1 = {
    /* 100 */ "确 定",
    /* 101 */ "打开 Mirato",
    /* 102 */ "打开 Music Player",
    /* 103 */ "播放模式",
    /* 104 */ "重复播放",
    /* 105 */ "随机播放",
    /* 106 */ "更换皮肤",
    /* 107 */ "蓝色",
    /* 108 */ "淡粉",
    /* 109 */ "绿色",
    /* 110 */ "淡绿",
    /* 111 */ "紫色",
    /* 112 */ "软件设置",
    /* 113 */ "开机启动",
    /* 114 */ "窗口置顶",
    /* 115 */ "关联 MP3",
    /* 116 */ "帮助中心",
    /* 117 */ "帮助文档",
    /* 118 */ "赞助我们",
    /* 119 */ "Mirato官网",
    /* 120 */ "关于Mirato...",
    /* 121 */ "嘻嘻… 输入框中的文本已复制到剪贴板！",
    /* 122 */ "按“F1”键查看帮助文档。",
    /* 123 */ "- 音乐播放",
    /* 124 */ "- 运行命令",
    /* 125 */ "- 运行CMD命令",
    /* 126 */ "- 百度搜索",
    /* 127 */ "- 谷歌搜索",
    /* 128 */ "嘻嘻..播放列表添加成功！以后只需在输入框中输入 ",
    /* 129 */ " 就可以播放该列表了！",
    /* 130 */ "哎呀！添加失败！未找到源播放列表或创建播放列表时被拒绝！",
    /* 131 */ "哎呀！删除播放列表时被拒绝！删除失败！",
    /* 132 */ "嘻嘻..播放列表已删除！",
    /* 133 */ "歌词已成功下载并载入！",
    /* 134 */ "哎呀！我在这里哇！你再这样我就不理你了，哼！",
    /* 135 */ "未找到歌词搜索插件！",
    /* 136 */ "只有在播放音乐时，才可以打开歌词搜索窗口！",
    /* 137 */ "开机启动选项已经成功关闭！",
    /* 138 */ "开机启动选项已经成功开启！",
    /* 139 */ "哎呀！权限被拒绝，本次设置开机启动失败！ 呜…%#",
    /* 140 */ "你确定你所在用户组有权限修改注册表？ 确定本次设置没有被杀毒软件阻止？",
    /* 141 */ "如果你已经解决以上问题，那么请重启Mirato再试吧！ ^-^",
    /* 142 */ "中文简体",
    /* 143 */ "暂无歌词",
    /* 144 */ "中文繁體",
    /* 145 */ "退出软件",
    /* 146 */ "只有在播放音乐时才可以载入歌词哦！",
    /* 147 */ "附加插件",
    /* 148 */ "网络音乐",
    /* 149 */ "运行CMD",
    /* 150 */ "运行命令",
    /* 151 */ "谷歌搜索",
    /* 152 */ "百度搜索",
    /* 153 */ "打开(O)...",
    /* 154 */ "打开URL(U)...",
    /* 155 */ "另存为(V)...",
    /* 156 */ "保存正在播放的列表(S)",
    /* 157 */ "将正在播放的列表另存为(A)...",
    /* 158 */ "打开 LRC歌词",
    /* 159 */ "请输入新的播放列表名",
    /* 160 */ "保存播放列表",
    /* 161 */ "打开 URL",
    /* 162 */ "输入 Internet、计算机或网络上你要播放的媒体文件的 URL 或路径。",
    /* 163 */ "下载新插件",
    /* 164 */ "省电模式",
    /* 165 */ "Kavelo 桌面歌词",
};
// Language 2
constexpr std::array<const char*, kCodeCount> kLanguage2 = {
    /* 200 */ "確 定",
    /* 201 */ "開啟 Mirato",
    /* 202 */ "開啟 音樂播放程式",
    /* 203 */ "播放模式",
    /* 204 */ "重複播放",
    /* 205 */ "隨機播放",
    /* 206 */ "更換皮膚",
    /* 207 */ "藍色",
    /* 208 */ "淡粉",
    /* 209 */ "綠色",
    /* 210 */ "淡綠",
    /* 211 */ "紫色",
    /* 212 */ "程式設定",
    /* 213 */ "開機啟動",
    /* 214 */ "窗口置頂",
    /* 215 */ "關聯 MP3",
    /* 216 */ "說明(&H)",
    /* 217 */ "說明文檔",
    /* 218 */ "贊助我們",
    /* 219 */ "Mirato官網",
    /* 220 */ "關於Mirato...",
    /* 221 */ "嘻嘻… 輸入框中的文本已複製到剪貼簿！",
    /* 222 */ "按「F1」鍵查看說明文檔。",
    /* 223 */ "- 音樂播放",
    /* 224 */ "- 執行命令",
    /* 225 */ "- 執行CMD命令",
    /* 226 */ "- 百度搜索",
    /* 227 */ "- 谷歌搜索",
    /* 228 */ " 嘻嘻..播放清單添加成功！以後只需在輸入框中輸入  ",
    /* 229 */ " 就可以播放該清單了！",
    /* 230 */ "哎呀！添加失敗！未找到源播放清單或創建播放清單時被拒絕！",
    /* 231 */ "哎呀！刪除播放清單時被拒絕！刪除失敗！",
    /* 232 */ "嘻嘻..播放清單已刪除！",
    /* 233 */ "歌詞已成功下載並載入！",
    /* 234 */ "哎呀！我在這裡哇！你再這樣我就不理你了，哼！",
    /* 235 */ "未找到歌詞搜索插件！",
    /* 236 */ "只有在播放音樂時，才可以打開歌詞搜索窗口！",
    /* 237 */ "開機啟動選項已經成功關閉！",
    /* 238 */ "開機啟動選項已經成功開啟！",
    /* 239 */ "哎呀！權限被拒絕，本次設置開機啟動失敗！ 嗚…%#\t",
    /* 240 */ "你確定你所在用戶組有權限修改註冊表？ 確定本次設置沒有被殺毒軟件阻止？",
    /* 241 */ "如果你已經解決以上問題，那麼請重啟Mirato再試吧！ ^-^",
    /* 242 */ "中文簡體",
    /* 243 */ "暫無歌詞",
    /* 244 */ "中文繁體",
    /* 245 */ "結束(&E)",
    /* 246 */ "只有在播放音樂時才可以載入歌詞哦！",
    /* 247 */ "外掛程式",
    /* 248 */ "網絡音樂",
    /* 249 */ "執行CMD",
    /* 250 */ "執行命令",
    /* 251 */ "谷歌搜索",
    /* 252 */ "百度搜索",
    /* 253 */ "開啟(&O)...",
    /* 254 */ "開啟URL(&U)...",
    /* 255 */ "另存媒體(&V)...",
    /* 256 */ "儲存播放清單(&S)",
    /* 257 */ "另存播放清單(&A)...",
    /* 258 */ "開啟 LRC歌詞",
    /* 259 */ "請輸入新的播放清單名稱",
    /* 260 */ "儲存播放清單",
    /* 261 */ "開啟 URL",
    /* 262 */ "請輸入您所要播放的多媒體檔案的 URL 或路徑(位於網際網路、電腦或網路)。",
    /* 263 */ "下載外掛程式",
    /* 264 */ "省電模式",
    /* 265 */ "Kavelo 桌面歌詞",
};
// Language 3
constexpr std::array<const char*, kCodeCount> kLanguage3 = {
    /* 300 */ "OK",
    /* 301 */ "Open Mirato",
    /* 302 */ "Open Music Player",
    /* 303 */ "Play Mode",
    /* 304 */ "Repeat Play",
    /* 305 */ "Random Play",
    /* 306 */ "Skins",
    /* 307 */ "Blue",
    /* 308 */ "Rose Pink",
    /* 309 */ "Green",
    /* 310 */ "Light Green",
    /* 311 */ "Purple",
    /* 312 */ "Settings",
    /* 313 */ "AutoRun",
    /* 314 */ "Window Topmost",
    /* 315 */ "Relevance MP3",
    /* 316 */ "Help Center",
    /* 317 */ "Help Text",
    /* 318 */ "Support US",
    /* 319 */ "Mirato Website",
    /* 320 */ "About Mirato...",
    /* 321 */ "the text has been copied to the clipboard! Press Ctrl + V Paste!",
    /* 322 */ "Press F1 View help documentation.",
    /* 323 */ "- Music Mode",
    /* 324 */ "- Run Mode",
    /* 325 */ "- Run CMD Mode",
    /* 326 */ "- Baidu Search",
    /* 327 */ "- Google Search",
    /* 328 */ "Playlists successfully added!input ",
    /* 329 */ " Can play",
    /* 330 */ "Oops!Add Failed!Not found the source playlist or create a playlist was refused!",
    /* 331 */ "Oops!Delete the playlist was refused!Delete failed!",
    /* 332 */ "Playlist has been successfully removed",
    /* 333 */ "Lyrics have been successfully downloaded and loaded!",
    /* 334 */ "Oops!I am here,You again so I ignore you,Hum!",
    /* 335 */ "Lyrics search plugin not found!",
    /* 336 */ "Only when playing music can open the Lyrics search window!",
    /* 337 */ "Boot options have been closed successfully!",
    /* 338 */ "Boot options have been successfully opened!",
    /* 339 */ "Permission Denied.Set failed!",
    /* 340 */ ".",
    /* 341 */ ".",
    /* 342 */ "Chinese",
    /* 343 */ "No Lyrics",
    /* 344 */ "ChineseTrad",
    /* 345 */ "Exit(&E)",
    /* 346 */ "Only when playing music, it can load lyrics!",
    /* 347 */ "Plugin",
    /* 348 */ "Online music",
    /* 349 */ "Run CMD",
    /* 350 */ "Run Command",
    /* 351 */ "Google Search",
    /* 352 */ "Baidu Search",
    /* 353 */ "Open(&O)...",
    /* 354 */ "Open URL(&U)...",
    /* 355 */ "Save As(&V)...",
    /* 356 */ "Save a list of playing(&S)",
    /* 357 */ "Save as a list of playing(&A)...",
    /* 358 */ "Open LRC Lyrics",
    /* 359 */ "Please enter the name of the new playlist",
    /* 360 */ "Save Playlist",
    /* 361 */ "Open URL",
    /* 362 */
    "input the Internet, computer or network you want to play the media file URL or path.",
    /* 363 */ "Download New Plugin",
    /* 364 */ "Power saving mode",
    /* 365 */ "Kavelo LrcShow",
};

const std::array<const char*, kCodeCount>* tableOf(int language) {
    switch (language) {
        case 1:
            return &kLanguage1;
        case 2:
            return &kLanguage2;
        case 3:
            return &kLanguage3;
        default:
            return nullptr;
    }
}

// The program's own texts, from code kCodeCount on: Simplified Chinese, Traditional Chinese,
// English.
constexpr const char* kOwnTexts[][3] = {
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
    {"Windows 的默认程序由你自己选择：请在打开的“默认应用”页面中为音乐和播放列表选择 Mirato。",
     "Windows 的預設程式由你自己選擇：請在開啟的「預設應用程式」頁面中為音樂和播放清單選擇 "
     "Mirato。",
     "Windows leaves the choice of default programs to you: pick Mirato for music and playlists "
     "in the Default Apps page that opened."},
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
    {"切换到 %1", "切換到 %1", "Switch to %1"},
    {"来自其他程序的答案", "來自其他程式的答案", "Answers from other programs"},
    {"注册组件 %1", "註冊元件 %1", "Register the component %1"},
};
static_assert(std::size(kOwnTexts) ==
                  static_cast<std::size_t>(MessageCode::RowRegister) + 1 - kCodeCount,
              "one row for each of the program's own texts, the last one last");

}  // namespace

bool Strings::contains(int id) {
    return tableOf(id / 100) != nullptr && id % 100 < kCodeCount;
}

QString Strings::text(int id) {
    if (!contains(id))
        return {};
    return QString::fromUtf8((*tableOf(id / 100))[id % 100]);
}

QString Strings::message(Language language, MessageCode code) {
    const int column = static_cast<int>(language);
    const int number = static_cast<int>(code);
    if (number >= kCodeCount) {
        const auto row = static_cast<std::size_t>(number - kCodeCount);
        return row < std::size(kOwnTexts) ? QString::fromUtf8(kOwnTexts[row][column]) : QString();
    }
    return text((column + 1) * 100 + number);
}

}  // namespace mirato
