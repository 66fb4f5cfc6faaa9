#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Splits one fuzz input into parts: the bytes up to each NUL are a part, the rest of the input
// is the last one. Lets one input carry a file and the names asked of it.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                         static_cast<qsizetype>(size))) {}

    QByteArray next() {
        const qsizetype nul = bytes_.indexOf('\0', at_);
        const qsizetype end = nul < 0 ? bytes_.size() : nul;
        QByteArray part = bytes_.mid(at_, end - at_);
        at_ = nul < 0 ? bytes_.size() : nul + 1;
        return part;
    }
    QString nextText() { return QString::fromUtf8(next()); }
    QByteArray rest() {
        QByteArray all = bytes_.mid(at_);
        at_ = bytes_.size();
        return all;
    }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

// A check that must hold for every input: a failure aborts, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            qFatal("fuzz check failed: %s (%s:%d)", #condition, __FILE__, __LINE__); \
        }                                                                            \
    } while (false)
