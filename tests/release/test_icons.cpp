// The desktop and Windows icons made at build time show the pixel art they are made from,
// pixel for pixel and transparency included. The Windows icon is read back with Qt's own ICO
// reader, which knows nothing of the writer's code.
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {

QImage Argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The first pixel where two images of the same size differ, for the failure message.
QString FirstDifference(const QImage& expected, const QImage& actual) {
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) != actual.pixel(x, y)) {
                return QStringLiteral("pixel (%1, %2) is #%3, not #%4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void iconShowsPixelArt_data() {
        QTest::addColumn<QString>("xpm");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("index"); // of the picture within the icon file
        const QString art = QStringLiteral(VARNHOLT_RES_DIR "/icon_main_%1.xpm");
        const QString theme =
            QStringLiteral(VARNHOLT_STAGE_DIR "/usr/share/icons/hicolor/"
                                              "%1x%1/apps/" VARNHOLT_APP_ID ".png");
        const QString ico = QStringLiteral(VARNHOLT_ICO);
        QTest::newRow("installed 16x16 PNG")
            << art.arg(16) << theme.arg(16) << QByteArray("png") << 0;
        QTest::newRow("installed 32x32 PNG")
            << art.arg(32) << theme.arg(32) << QByteArray("png") << 0;
        QTest::newRow("Windows icon, first picture 16x16")
            << art.arg(16) << ico << QByteArray("ico") << 0;
        QTest::newRow("Windows icon, second picture 32x32")
            << art.arg(32) << ico << QByteArray("ico") << 1;
    }

    void iconShowsPixelArt() {
        QFETCH(QString, xpm);
        QFETCH(QString, icon);
        QFETCH(QByteArray, format);
        QFETCH(int, index);

        QImage expected;
        QVERIFY2(expected.load(xpm, "XPM"), qPrintable(xpm));
        expected = Argb(expected);

        QImageReader reader(icon, format);
        QVERIFY2(reader.canRead(), qPrintable(icon + ": " + reader.errorString()));
        if (format == "ico") {
            QCOMPARE(reader.imageCount(), 2);
        }
        if (index > 0) {
            QVERIFY(reader.jumpToImage(index));
        }
        const QImage read = reader.read();
        QVERIFY2(!read.isNull(), qPrintable(icon + ": " + reader.errorString()));
        const QImage actual = Argb(read);

        QCOMPARE(actual.size(), expected.size());
        QVERIFY2(actual == expected, qPrintable(FirstDifference(expected, actual)));
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
