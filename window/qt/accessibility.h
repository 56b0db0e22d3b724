#pragma once
// Puts the window's hand-painted controls into the accessibility tree: the roles, names,
// descriptions, states and actions come from DescribeControl; decoration is left out.

class QWidget;

namespace duplexa {

// Installs the interface factory; once per program, before the first query.
void InstallAccessibility();

// Tells screen readers, which keep names they have read, that the controls of window have new
// names after a language switch. The result line tells of its own changes.
void AnnounceNewNames(QWidget& window);

// Gives widget its accessible name as its tooltip, in the language in force when it shows.
void ShowNameAsToolTip(QWidget& widget);

}  // namespace duplexa
