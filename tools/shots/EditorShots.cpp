// Draws one editor window with the demo radio's channels into a PNG, for the documentation:
//   kvr27-editor-shots frmVfo|frmMem|frmMem-menu|frmMemSub-LPD|frmMemSub-PMR OUT.png
// Under QT_SCALE_FACTOR=2 the picture is drawn at twice the size.
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "commands/AppState.h"
#include "core/MessageSink.h"
#include "commands/ChannelGridEditor.h"
#include "image/ChannelGrid.h"
#include "platform/QtTranslations.h"
#include "DemoRadio.h"
#include "EmulatedPort.h"
#include "RadioEmulator.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <QApplication>
#include <QPixmap>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// Messages are not part of a screenshot.
class SilentMessages : public kvr27::MessageSink {
public:
    void notify(const std::string&, kvr27::MessageIcon, const std::string&) override {}
    bool ask(const std::string&, const std::string&) override { return true; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // In the system's language (LANGUAGE=de), as the program shows it.
    kvr27::InstallTranslations(QString());
    if (argc != 3) {
        std::fprintf(stderr, "usage: [LANGUAGE=de] kvr27-editor-shots frmVfo|frmMem|frmMem-menu|frmMemSub-LPD|frmMemSub-PMR OUT.png\n");
        return 2;
    }
    const QString window = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    kvr27::AppState state;
    kvr27::StartWithModel(state, 0);
    SilentMessages messages;

    kvr27::sim::AddDemoChannels(state.Image);
    kvr27::RefreshChannelGrid(state.Image, state.Grid);

    QWidget* shown = nullptr;
    kvr27::sim::RadioEmulator radio;
    kvr27::sim::EmulatedPort port(radio);
    const kvr27::app::EditorContext context{state, messages, port, port};
    kvr27::app::frmVfo vfo(context);
    kvr27::app::frmMem mem(context);
    std::unique_ptr<kvr27::app::frmMemSub> sub;
    if (window == QLatin1String("frmVfo")) {
        vfo.openModal();
        shown = &vfo;
    } else if (window == QLatin1String("frmMem")) {
        mem.openModal();
        mem.MSFlexGrid1->selectRow(2);
        mem.Command1_Click(4); // "disable"
        mem.MSFlexGrid1->selectRow(1);
        shown = &mem;
    } else if (window == QLatin1String("frmMem-menu")) {
        // Rows 2 to 4 selected, the context menu drawn where the pointer opened it.
        mem.openModal();
        QAbstractItemModel* rows = mem.MSFlexGrid1->model();
        mem.MSFlexGrid1->selectionModel()->setCurrentIndex(rows->index(1, 1), QItemSelectionModel::NoUpdate);
        mem.MSFlexGrid1->selectionModel()->select(QItemSelection(rows->index(1, 1), rows->index(3, 11)),
                                                  QItemSelectionModel::ClearAndSelect);
        mem.setRowMenuRunner([&](QMenu& menu, const QPoint& at) {
            menu.popup(at);
            QCoreApplication::processEvents();
            const QPoint place = mem.mapFromGlobal(menu.pos());
            QPixmap picture(mem.width(), std::max(mem.height(), place.y() + menu.height() + 8));
            picture.fill(mem.palette().window().color());
            QPainter painter(&picture);
            painter.drawPixmap(0, 0, mem.grab());
            painter.drawPixmap(place, menu.grab());
            painter.end();
            picture.save(out);
        });
        QTimer::singleShot(300, [&] {
            const QRect row = mem.MSFlexGrid1->visualRect(rows->index(2, 2));
            emit mem.MSFlexGrid1->customContextMenuRequested(row.center());
            app.quit();
        });
        return app.exec();
    } else if (window.startsWith(QLatin1String("frmMemSub"))) {
        kvr27::ChannelGridEditor(state, messages).rowSelected(window.endsWith(QLatin1String("PMR")) ? 4 : 2);
        sub = std::make_unique<kvr27::app::frmMemSub>(state, messages);
        sub->show();
        shown = sub.get();
    }
    if (!shown) {
        std::fprintf(stderr, "unknown window\n");
        return 2;
    }
    QTimer::singleShot(500, [&] {
        shown->grab().save(out);
        app.quit();
    });
    return app.exec();
}
