#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/drag_messages.h"
#include "ui/controls/drag_tracker.h"
#include "ui/controls/str_list.h"
#include "ui/controls/transfer.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>

using namespace kalvex;

namespace {

// A window that counts the drag messages it gets and accepts drops when told to.
class Probe final : public QWidget {
public:
    bool accepts = false;
    int queries = 0;
    std::vector<int> dropCodes;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == DragMessages().queryDrop) {
            ++queries;
            static_cast<CDragMessage*>(e)->answer = accepts ? 1 : 0;
            return true;
        }
        if (e->type() == DragMessages().doDrop) {
            dropCodes.push_back(static_cast<CDragMessage*>(e)->code);
            return true;
        }
        return QWidget::event(e);
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& local)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private:
    QWidget m_window;
    Probe* m_source = nullptr;
    Probe* m_target = nullptr;

private slots:
    void initTestCase()
    {
        m_window.resize(400, 200);
        m_source = new Probe;
        m_target = new Probe;
        m_source->setParent(&m_window);
        m_target->setParent(&m_window);
        m_source->setGeometry(0, 0, 200, 200);
        m_target->setGeometry(200, 0, 200, 200);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }
    void init()
    {
        m_source->dropCodes.clear();
        m_target->dropCodes.clear();
        m_source->queries = m_target->queries = 0;
    }

    void aStringListStoresAsTheTransferFileLayout()
    {
        CStrList list;
        QCOMPARE(list.Store(), QByteArray("\0\0\0\0", 4));
        list.AddTail(QStringLiteral("Mass"));
        list.AddTail(QStringLiteral("Area"));
        list.AddTail(QStringLiteral("\u00b5m"));
        QCOMPARE(list.Store(), QByteArray("\x03\0\0\0\x04Mass\x04"
                                          "Area\x02\xb5m",
                                          17));

        CStrList loaded;
        loaded.AddTail(QStringLiteral("first"));
        QVERIFY(loaded.Load(list.Store()));
        QCOMPARE(loaded.GetCount(), 4);
        QCOMPARE(loaded.At(0), QStringLiteral("first"));
        QCOMPARE(loaded.At(3), QStringLiteral("\u00b5m"));

        // A count promising more strings than the bytes hold is damage: nothing is appended.
        QVERIFY(!loaded.Load(QByteArray("\x02\0\0\0\x01x", 6)));
        QVERIFY(!loaded.Load(QByteArray("\x01\0", 2)));
        QCOMPARE(loaded.GetCount(), 4);
    }

    void theTransferFileIsPrivateAndNeverWrittenThroughALink()
    {
        const QString path = TransferFilePath();
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("DDC-DATA.TMP"));
        QCOMPARE(QFileInfo(path).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));

        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        QFile::remove(path);
        QVERIFY(QFile::link(victim, path));

        CStrList read;
        QVERIFY(!ReadTransfer(read));
        QVERIFY(read.IsEmpty());

        CStrList list;
        list.AddTail(QStringLiteral("Time"));
        QVERIFY(BeginTransfer(*m_source, DragMessages().stringListFormat, list));
        QCOMPARE(FileBytes(victim), QByteArray("keep"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(FileBytes(path), QByteArray("\x01\0\0\0\x04Time", 9));
        QCOMPARE(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
        QVERIFY(ReadTransfer(read));
        QCOMPARE(read.At(0), QStringLiteral("Time"));
        SendMouse(m_source, QEvent::MouseButtonRelease, QPoint(5, 5));
        QVERIFY(!CDragTracker::Active());
    }

    void aTransferFileThatCannotBeWrittenStartsNoDrag()
    {
        // A folder squatting on the name can be neither replaced nor read.
        const QString path = TransferFilePath();
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path));
        const bool started = BeginTransfer(*m_source, DragMessages().stringListFormat, CStrList{});
        CStrList read;
        const bool readBack = ReadTransfer(read);
        QDir().rmdir(path);
        QVERIFY(!started);
        QVERIFY(!CDragTracker::Active());
        QVERIFY(!readBack);
        QVERIFY(read.IsEmpty());
    }

    void aFifoOrHugeFileUnderTheNameIsRefusedWithoutWaiting()
    {
        const QString path = TransferFilePath();
        QFile::remove(path);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        CStrList read;
        const bool fromFifo = ReadTransfer(read);
        QFile::remove(path);

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x01\0\0\0\x04Time", 9));
        QVERIFY(file.resize(qint64(1) << 30));
        file.close();
        const bool fromHugeFile = ReadTransfer(read);
        QFile::remove(path);

        QVERIFY(!fromFifo);
        QVERIFY(!fromHugeFile);
        QVERIFY(read.IsEmpty());
    }

    void aDropOnAnAcceptingWindowTellsTargetThenSource()
    {
        m_target->accepts = true;
        QVERIFY(BeginTransfer(*m_source, DragMessages().stringListFormat, CStrList{}));
        SendMouse(m_source, QEvent::MouseMove, QPoint(250, 50)); // over the target
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), CDragTracker::kDropCursor);
        QCOMPARE(CDragTracker::Active()->LastWindow(), m_target);
        SendMouse(m_source, QEvent::MouseButtonRelease, QPoint(250, 50));
        QCOMPARE(m_target->dropCodes, std::vector<int>{kDropHere});
        QCOMPARE(m_source->dropCodes, std::vector<int>{kDragCompleted});
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void noDropOnTheSourceOrARefusingWindow()
    {
        m_target->accepts = false;
        QVERIFY(BeginTransfer(*m_source, DragMessages().stringListFormat, CStrList{}));
        SendMouse(m_source, QEvent::MouseMove, QPoint(250, 50));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), CDragTracker::kNoDropCursor);
        SendMouse(m_source, QEvent::MouseButtonRelease, QPoint(250, 50));
        QVERIFY(m_target->dropCodes.empty());

        QVERIFY(BeginTransfer(*m_source, DragMessages().stringListFormat, CStrList{}));
        SendMouse(m_source, QEvent::MouseMove, QPoint(50, 50));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), CDragTracker::kDropCursor);
        SendMouse(m_source, QEvent::MouseButtonRelease, QPoint(50, 50));
        QVERIFY(m_source->dropCodes.empty());
        QCOMPARE(m_source->queries, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void theEarlierMouseGrabberGetsTheMouseBack()
    {
        m_target->grabMouse();
        QVERIFY(BeginTransfer(*m_source, DragMessages().stringListFormat, CStrList{}));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        SendMouse(m_source, QEvent::MouseButtonRelease, QPoint(5, 5));
        QCOMPARE(QWidget::mouseGrabber(), m_target);
        m_target->releaseMouse();
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    TransferTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "transfer_test.moc"
