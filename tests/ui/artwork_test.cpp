// The JPEG loader on the committed artwork and on files that are no JPEG.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/jpeg_loader.h"

using velmora::ui::LoadAsset;
using velmora::ui::LoadJpeg;

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesTheArtwork_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("white");   // a point of the white page area
        QTest::addColumn<QPoint>("colour");  // a point of the drawn artwork
        QTest::newRow("main window")
            << "main_background.jpg" << QSize(800, 590) << QPoint(400, 330) << QPoint(400, 10);
        QTest::newRow("tools page")
            << "tools_page.jpg" << QSize(788, 457) << QPoint(394, 440) << QPoint(200, 165);
    }
    void decodesTheArtwork() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QPoint, white);
        QFETCH(QPoint, colour);
        const QImage image = LoadAsset(file);
        QCOMPARE(image.size(), size);
        const QColor page = image.pixelColor(white);
        QVERIFY(page.red() > 240 && page.green() > 240 && page.blue() > 240);
        const QColor drawn = image.pixelColor(colour);
        QVERIFY(qAbs(drawn.red() - drawn.blue()) > 60);  // coloured, not white or grey
    }

    void rejectsWhatIsNoJpeg_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("png signature") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void rejectsWhatIsNoJpeg() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath("bad.jpg");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(LoadJpeg(path).isNull());
    }

    void missingFileGivesNullImage() {
        QVERIFY(LoadJpeg(QStringLiteral("/nonexistent/velmora/none.jpg")).isNull());
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)

#include "artwork_test.moc"
