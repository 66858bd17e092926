#include "QtPrinters.h"
#include "platform/qt/JpegDecoder.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>

using namespace brivel;

namespace {

QByteArray helpPicture()
{
    QFile file(QStringLiteral(BRIVEL_SOURCE_DIR "/src/app/resources/help.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(JpegDecoder, DecodesTheHelpPicture)
{
    const QImage image = decodeJpeg(helpPicture());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(580, 285));
}

TEST(JpegDecoder, BrokenDataNeverEndsTheProgram)
{
    const QByteArray good = helpPicture();
    ASSERT_FALSE(good.isEmpty());
    for (const QByteArray& data : {QByteArray(), QByteArray("not a picture"), good.left(2)})
        EXPECT_TRUE(decodeJpeg(data).isNull()) << data.size();
    // A cut or damaged stream may still give what it had; it must come back.
    QByteArray damaged = good;
    damaged.replace(200, 400, QByteArray(400, '\xFF'));
    for (const QByteArray& data : {good.left(600), damaged})
        (void)decodeJpeg(data);
}
