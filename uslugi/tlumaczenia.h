#pragma once

class QCoreApplication;

// Loads Qt's own Polish texts (file and print dialogs, context menus of text
// fields, standard buttons). Returns false when Qt's translations are not
// installed; the program then runs with Qt's English texts.
bool ZaladujTlumaczeniaQt(QCoreApplication& aplikacja);
