#pragma once

#include <QString>

namespace mirato {

// The outside web services and the product's own pages. Typed text is appended unchanged.
namespace ServiceAddresses {

inline QString baiduSearch(const QString& query) {
    return QStringLiteral("http://www.baidu.com/s?wd=") + query;
}
inline QString googleSearch(const QString& query) {
    return QStringLiteral("http://www.google.com.hk/search?hl=zh-CN&source=hp&q=") + query;
}
inline QString ipLookup(const QString& address) {
    return QStringLiteral("http://www.ip138.com/ips.asp?ip=") + address +
           QStringLiteral("&action=2");
}
inline QString mobileLookup(const QString& number) {
    return QStringLiteral("http://www.ip138.com:8080/search.asp?action=mobile&mobile=") + number;
}
inline QString qqSpace(const QString& number) {
    return QStringLiteral("http://user.qzone.qq.com/") + number;
}

inline QString productSite() {
    return QStringLiteral("https://mirato.example.org/");
}
inline QString pluginForum() {
    return QStringLiteral("https://mirato.example.org/plugins");
}

}  // namespace ServiceAddresses

}  // namespace mirato
