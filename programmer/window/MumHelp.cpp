// Help, About and starting the card editor.
#include "programmer/window/Mum.h"

#include "common/platform/MessageBox.h"

void Mum::mnuHelpTopics_Click() {}

void Mum::mnuAoutTavrin_Click() {}

void Mum::mnuQuillet_Click() {}
