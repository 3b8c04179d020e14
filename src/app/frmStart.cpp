#include "app/frmStart.h"

#include "app/ProductInfo.h"
#include "app/frmMain.h"

#include <QButtonGroup>
#include <QPushButton>
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

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmStart::Command1_Click);
    layout->addSpacing(layout->spacing());
    layout->addWidget(Command1);
    // Wide enough for the caption in the title bar (often bold) beside its buttons.
    QFont captionFont = font();
    captionFont.setBold(true);
    layout->addStrut(QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + 8 * fontMetrics().height());
    // The window keeps the size of what it shows, so the hidden options leave no gap.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmStart::Command1_Click()
{
    StartWithModel(context_.State, Option1Group->checkedId());
    auto* mainWindow = new frmMain(context_);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    context_.State.Image.VfoChanged = false;
    close();
}

} // namespace kvr27
