// Marks the program's own English texts that a player sees, in code that
// includes no Qt header. A mark leaves its text as it is: the logic keeps
// and passes on the English text, and the Qt layer shows it in the
// player's language, looking it up in the mark's context.
//
// lupdate finds the marks, being told that KLOTIX_TRANSLATE_NOOP is
// QT_TRANSLATE_NOOP and KLOTIX_TRANSLATE_N_NOOP is QT_TRANSLATE_N_NOOP
// (see the top CMakeLists.txt). Texts that a box shows
// are marked in the context "klotix::Dialogs" (see ui/dialogs.h).
#pragma once

// `text`, a string literal, marked as the source of a translation in
// `context`, a string literal too. Usable wherever a literal is.
#define KLOTIX_TRANSLATE_NOOP(context, text) text

// The same for a text that has plural forms, picked by a number that the
// Qt layer is given with it.
#define KLOTIX_TRANSLATE_N_NOOP(context, text) text
