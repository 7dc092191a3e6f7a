#include "notesbox.h"

NotesBox::NotesBox(QWidget* parent)
    : TextBox(parent)
{
}
