#include <windows.h>

#include <QList>
#include <QStringDecoder>

#include "platform/TextDecoding.h"

namespace mirato::TextDecoding {

namespace {

// The code pages of an encoding, the best first: GB18030 (54936) is missing on some systems
// (Wine), where GBK (936), its subset, still reads what most files hold.
QList<UINT> codePagesOf(const QByteArray& encoding) {
    const QByteArray name = encoding.toUpper();
    if (name == "GB18030")
        return {54936, 936};
    if (name == "GBK" || name == "GB2312" || name == "CP936")
        return {936};
    if (name == "BIG5" || name == "CP950")
        return {950};
    return {};
}

std::optional<QString> fromCodePage(const QByteArray& data, UINT codePage) {
    if (data.isEmpty())
        return QString();
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, data.constData(),
                                           int(data.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, data.constData(), int(data.size()),
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

}  // namespace

std::optional<QString> decode(const QByteArray& data, const QByteArray& encoding) {
    const QList<UINT> codePages = codePagesOf(encoding);
    // A code page the system lists may still refuse to convert (Wine's 54936): the next one.
    for (UINT codePage : codePages) {
        if (!IsValidCodePage(codePage))
            continue;
        if (auto text = fromCodePage(data, codePage))
            return text;
    }
    if (!codePages.isEmpty())
        return std::nullopt;
    // The Unicode forms Qt reads itself.
    const auto known = QStringConverter::encodingForName(encoding.constData());
    if (!known)
        return std::nullopt;
    QStringDecoder decoder(*known);
    const QString text = decoder(data);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace mirato::TextDecoding
