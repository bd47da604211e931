// The installed PNG icons and the Windows icon's pictures equal the pixel art they are made
// from, transparency included; the Windows icon is read back with Qt's own ICO reader.
#include <QImage>
#include <QImageReader>
#include <QTest>

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void iconShowsPixelArt_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("index"); // of the picture in the Windows icon; -1 for a PNG
        const QString png = QStringLiteral(VARNHOLT_STAGE_DIR "/usr/share/icons/hicolor/"
                                                              "%1x%1/apps/" VARNHOLT_APP_ID ".png");
        const QString ico = QStringLiteral(VARNHOLT_ICO);
        QTest::newRow("installed 16x16 PNG") << 16 << png.arg(16) << -1;
        QTest::newRow("installed 32x32 PNG") << 32 << png.arg(32) << -1;
        QTest::newRow("Windows icon, first picture 16x16") << 16 << ico << 0;
        QTest::newRow("Windows icon, second picture 32x32") << 32 << ico << 1;
    }

    void iconShowsPixelArt() {
        QFETCH(int, size);
        QFETCH(QString, icon);
        QFETCH(int, index);
        const QImage art(QStringLiteral(VARNHOLT_RES_DIR "/icon_main_%1.xpm").arg(size), "XPM");
        QVERIFY(!art.isNull());

        QImageReader reader(icon, index < 0 ? "png" : "ico");
        if (index >= 0) {
            QCOMPARE(reader.imageCount(), 2);
            QVERIFY(reader.jumpToImage(index));
        }
        const QImage read = reader.read();
        QVERIFY2(!read.isNull(), qPrintable(icon + ": " + reader.errorString()));
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32),
                 art.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
