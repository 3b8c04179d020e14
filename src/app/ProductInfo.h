#pragma once
// The program's name, version and notices, as the splash window and the about box
// show them.
#include <QString>

class QWidget;

namespace kvr27 {

// "KV-R27 Clone Utility".
QString ProductTitle();
// "Version 0.6.0 beta", from the project's version.
QString VersionText();
// The licence in one sentence, for the about box.
QString LicenceText();

// Fills container with the pictures Image1 and Image2 and the labels lblTitle,
// lblVersion, lblDescription and lblDisclaimer, in a QGridLayout whose rows from 4
// on are free (the about box adds the licence there, in the texts' column 1).
void AddProductInfo(QWidget* container);

} // namespace kvr27
