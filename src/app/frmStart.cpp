#include "app/frmStart.h"

#include "app/ProductInfo.h"
#include "app/frmMain.h"
#include "platform/TitleWidth.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvr27 {

namespace {

const std::array<const char*, 5> ModelCaptions = {"KV-R27 PA", "KV-R27 Z", "KV-R27 X", "KV-R27 PA(PMR only)",
                                                  "KV-R27 PA(LPD only)"};
// Options 0 to 2 are the models a user can choose; the two variants stay hidden.
constexpr int OfferedModels = 3;

} // namespace

frmStart::frmStart(const AppContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(ProductTitle());

    auto* layout = new QVBoxLayout(this);
    Option1Group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(QLatin1String(ModelCaptions[i]), this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1Group->addButton(Option1[i], i);
        layout->addWidget(Option1[i]);
        Option1[i]->setVisible(i < OfferedModels);
    }
    Option1[0]->setChecked(true);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmStart::Command1_Click);
    layout->addSpacing(layout->spacing());
    layout->addWidget(Command1);
    // Wide enough for the caption in the title bar.
    layout->addStrut(TitleBarWidth(*this));
    // The window keeps the size of what it shows, so the hidden options leave no gap.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmStart::Command1_Click()
{
    StartWithModel(context_.State, Option1Group->checkedId());
    auto* mainWindow = new frmMain(context_);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    // Where this window was, centred on it, inside the screen.
    mainWindow->adjustSize();
    const QRect screen = this->screen()->availableGeometry();
    QRect place(QPoint(), mainWindow->frameGeometry().size());
    place.moveCenter(frameGeometry().center());
    place.moveLeft(std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() - place.width())));
    place.moveTop(std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() - place.height())));
    mainWindow->move(place.topLeft());
    mainWindow->show();
    close();
}

} // namespace kvr27
