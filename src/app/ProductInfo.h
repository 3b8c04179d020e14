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
// The licence and the absence of warranty, the disclaimer of the splash and the
// about box.
QString LicenceText();

// Fills container with the pictures Image1 and Image2 and the labels lblTitle,
// lblVersion, lblDescription and lblDisclaimer (LicenceText), in a QGridLayout.
void AddProductInfo(QWidget* container);

} // namespace kvr27
