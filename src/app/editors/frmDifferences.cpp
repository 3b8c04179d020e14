#include "app/editors/frmDifferences.h"

#include "commands/RadioComparison.h"
#include "core/MessageSink.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr27::app {

frmDifferences::frmDifferences(const std::string& modelName, bool review, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDifferences"));
    setWindowTitle(QString::fromStdString(MessageTitle(modelName)) + tr("(Differences)"));
    auto* layout = new QVBoxLayout(this);
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblSides = new QLabel(this);
    lblSides->setObjectName(QStringLiteral("lblSides"));
    lstDifferences = new QListWidget(this);
    lstDifferences->setObjectName(QStringLiteral("lstDifferences"));
    lstDifferences->setAccessibleName(tr("Differences"));
    lstDifferences->setMinimumWidth(lstDifferences->fontMetrics().averageCharWidth() * 60);
    auto* buttons = new QDialogButtonBox(this);
    if (review) {
        cmdWrite = buttons->addButton(tr("Write"), QDialogButtonBox::AcceptRole);
        cmdWrite->setObjectName(QStringLiteral("cmdWrite"));
    }
    cmdClose = buttons->addButton(review ? tr("Cancel") : tr("Close"),
                                  QDialogButtonBox::RejectRole);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QWidget* widget : {static_cast<QWidget*>(lblCount), static_cast<QWidget*>(lblSides),
                            static_cast<QWidget*>(lstDifferences), static_cast<QWidget*>(buttons)})
        layout->addWidget(widget);
}

void frmDifferences::showLines(const std::vector<std::string>& lines, const QString& sides)
{
    lblCount->setText(QString::fromStdString(DifferenceCount(lines.size())));
    lblSides->setText(sides);
    lblSides->setVisible(!lines.empty());
    lstDifferences->clear();
    for (const std::string& line : lines)
        lstDifferences->addItem(QString::fromStdString(line));
}

std::function<bool(const std::vector<std::string>&)> ReviewInWindow(QWidget* parent, const std::string& modelName)
{
    return [parent, modelName](const std::vector<std::string>& lines) {
        frmDifferences review(modelName, true, parent);
        review.showLines(lines, frmDifferences::tr("Each line: the radio now \u2192 after the write"));
        return review.exec() == QDialog::Accepted;
    };
}

} // namespace kvr27::app
