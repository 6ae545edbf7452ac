// The binary archive: integers, bytes and both forms of length-prefixed strings.
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/FailingDevice.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray Hex(const char* pHex)
{
    return QByteArray::fromHex(pHex);
}

QByteArray Stored(const QString& str)
{
    return StoredBytes([&](CArchive& ar) { ar.WriteString(str); });
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void writeString_data();
    void writeString();
    void readString_data();
    void readString();
    void integersAreLittleEndian();
    void damagedInput_data();
    void damagedInput();
    void everyTruncationFails();
    void errorSticks();
    void writeFailureIsReported();
    void overlongTextIsNotWritten();
};

void TestArchive::writeString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("prefix"); // the bytes before the characters

    QTest::newRow("empty") << QString() << Hex("FFFEFF00");
    QTest::newRow("Ann") << "Ann" << Hex("FFFEFF03");
    QTest::newRow("254 units: one byte") << QString(254, u'x') << Hex("FFFEFFFE");
    QTest::newRow("255 units: 16 bits") << QString(255, u'x') << Hex("FFFEFFFFFF00");
    QTest::newRow("300 units") << QString(300, u'x') << Hex("FFFEFFFF2C01");
    QTest::newRow("0xFFFD units: 16 bits") << QString(0xFFFD, u'x') << Hex("FFFEFFFFFDFF");
    QTest::newRow("0xFFFE units: 32 bits") << QString(0xFFFE, u'x') << Hex("FFFEFFFFFFFFFEFF0000");
}

void TestArchive::writeString()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, prefix);
    const QByteArray bytes = Stored(text);
    QCOMPARE(bytes.left(prefix.size()).toHex(' '), prefix.toHex(' '));
    QCOMPARE(bytes.size(), prefix.size() + text.size() * 2);
}

void TestArchive::readString_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unicode Ahn") << Hex("FFFEFF03410068006E00") << "Ahn";
    QTest::newRow("ansi Ann") << Hex("03416E6E") << "Ann";
    QTest::newRow("ansi empty") << Hex("00") << "";
    QTest::newRow("ansi Windows-1252") << Hex("0480E9939F") << "€é“Ÿ";
    QTest::newRow("ansi 16-bit length") << Hex("FF0300414243") << "ABC";
    QTest::newRow("ansi 32-bit length") << Hex("FFFFFF02000000") + "hi"
                                        << "hi";
    QTest::newRow("unicode 16-bit length") << Hex("FFFEFFFF02004100DF00") << "Aß";
    QTest::newRow("unicode 32-bit length") << Hex("FFFEFFFFFFFF010000003D26") << "☽";
    QTest::newRow("surrogate pair") << Hex("FFFEFF023DD800DE") << "😀";
    QTest::newRow("300 units round trip") << Stored(QString(300, u'é')) << QString(300, u'é');
}

void TestArchive::readString()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    QCOMPARE(ar.ReadString(), expected);
    QVERIFY2(ar.IsOk(), qPrintable(ar.ErrorString()));
    QCOMPARE(buffer.pos(), bytes.size());
}

void TestArchive::integersAreLittleEndian()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    CArchive out(&buffer, CArchive::store);
    out.WriteInt(1);
    out.WriteInt(-2);
    out.WriteByte(0xAB);
    QCOMPARE(buffer.data().toHex(), QByteArray("01000000feffffffab"));

    buffer.seek(0);
    CArchive in(&buffer, CArchive::load);
    QCOMPARE(in.ReadInt(), 1);
    QCOMPARE(in.ReadInt(), -2);
    QCOMPARE(in.ReadByte(), quint8(0xAB));
    QVERIFY(in.IsOk());
}

void TestArchive::damagedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("length past the end") << Hex("05414243");
    QTest::newRow("huge 32-bit length") << Hex("FFFEFFFFFFFFFFFFFF7F4100");
    QTest::newRow("huge 64-bit length") << Hex("FFFEFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4100");
    QTest::newRow("marker only") << Hex("FFFEFF");
    QTest::newRow("odd unicode data") << Hex("FFFEFF02410042");
    QTest::newRow("text over the length limit")
        << Hex("FFFEFFFFFFFF") + Int(qint32(CArchive::kMaxTextLength + 1)) +
               QByteArray(2 * (CArchive::kMaxTextLength + 1), 'a');
}

void TestArchive::damagedInput()
{
    QFETCH(QByteArray, bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    QCOMPARE(ar.ReadString(), QString());
    QVERIFY(!ar.IsOk());
    QVERIFY(!ar.ErrorString().isEmpty());
}

void TestArchive::everyTruncationFails()
{
    const QByteArray full = Stored(QString(300, u'z'));
    for (qsizetype n = 0; n < full.size(); ++n) {
        // Through a device that stops delivering, so the length check cannot see the end.
        CFailingDevice device(full, n);
        device.open(QIODevice::ReadOnly);
        CArchive ar(&device, CArchive::load);
        ar.ReadString();
        QVERIFY2(!ar.IsOk(), qPrintable(QString::number(n)));
    }
}

void TestArchive::errorSticks()
{
    QByteArray bytes = Hex("0102");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    QCOMPARE(ar.ReadInt(), 0);
    const QString strFirst = ar.ErrorString();
    ar.SetError(QStringLiteral("later"));
    QCOMPARE(ar.ReadByte(), quint8(0));
    QCOMPARE(ar.ErrorString(), strFirst);
}

void TestArchive::writeFailureIsReported()
{
    CFailingDevice device({}, 6);
    device.open(QIODevice::WriteOnly);
    CArchive ar(&device, CArchive::store);
    ar.WriteString(QStringLiteral("Ann"));
    QVERIFY(!ar.IsOk());
    QVERIFY(ar.ErrorString().contains(QStringLiteral("No space left")));
    ar.WriteInt(7); // ignored after the first failure
    QCOMPARE(device.Data().size(), qsizetype(4));
}

void TestArchive::overlongTextIsNotWritten()
{
    // What could not be read back must not reach the file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteString(QString(CArchive::kMaxTextLength + 1, u'a'));
    QVERIFY(!ar.IsOk());
    QVERIFY2(ar.ErrorString().contains("1048577 characters"), qPrintable(ar.ErrorString()));
    QVERIFY(buffer.data().isEmpty());
}

QTEST_APPLESS_MAIN(TestArchive)
#include "tst_Archive.moc"
