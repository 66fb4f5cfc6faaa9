#include "SearchTexts.h"

namespace mirato::lyricsearch {

QString text(Language language, Text which) {
    const int column = language == Language::English              ? 2
                       : language == Language::TraditionalChinese ? 1
                                                                  : 0;
    static const char* const table[][3] = {
        {"歌词搜索", "歌詞搜尋", "Lyrics Search"},
        {"搜索", "搜尋", "Search"},
        {"使用这份歌词", "使用這份歌詞", "Use these lyrics"},
        {"正在搜索…", "正在搜尋…", "Searching…"},
        {"找到 %1 份歌词，选择一份。", "找到 %1 份歌詞，選擇一份。", "%1 found; choose one."},
        {"没有找到这首歌的歌词。换个标题试试？", "沒有找到這首歌的歌詞。換個標題試試？",
         "No lyrics found for this title. Try another title?"},
        {"这份歌词没有时间标记，不能随音乐同步。", "這份歌詞沒有時間標記，不能隨音樂同步。",
         "These lyrics have no timing, so they cannot follow the song."},
        {"无法连接歌词服务，请检查网络。", "無法連接歌詞服務，請檢查網路。",
         "The lyrics service cannot be reached. Is the network up?"},
        {"歌词服务没有及时回应，请稍后再试。", "歌詞服務沒有及時回應，請稍後再試。",
         "The lyrics service did not answer in time. Try again later."},
        {"歌词服务返回了错误（%1）。", "歌詞服務傳回了錯誤（%1）。",
         "The lyrics service answered with an error (%1)."},
        {"无法读取歌词服务的回应。", "無法讀取歌詞服務的回應。",
         "The lyrics service's answer could not be read."},
        {"无法保存歌词文件。", "無法儲存歌詞檔案。", "The lyrics file could not be saved."},
        {"歌词已交给 Mirato。", "歌詞已交給 Mirato。", "The lyrics went to Mirato."},
    };
    return QString::fromUtf8(table[static_cast<int>(which)][column]);
}

}  // namespace mirato::lyricsearch
