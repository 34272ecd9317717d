#include "common/richtext/RichTextClipboard.h"

#include <QMimeData>

#include <array>

namespace RichTextClipboard {
namespace {

// The first is what we offer; the others are names other programs offer RTF under.
constexpr std::array<const char*, 3> kRtfTypes{"text/rtf", "application/rtf", "text/richtext"};

} // namespace

QMimeData* mimeData(const QByteArray& rtf, const QString& plainText) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRtfTypes.front()), rtf);
#ifdef Q_OS_WIN
    data->setText(plainText);
#else
    // Other programs here expect LF line ends.
    QString text = plainText;
    data->setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
#endif
    return data;
}

QByteArray rtf(const QMimeData& source) {
    for (const char* type : kRtfTypes) {
        const QString name = QString::fromLatin1(type);
        if (source.hasFormat(name)) {
            const QByteArray data = source.data(name);
            if (!data.isEmpty()) {
                return data;
            }
        }
    }
    return {};
}

} // namespace RichTextClipboard
