#pragma once
// Puts the window's hand-painted controls into the accessibility tree: the roles, names,
// descriptions, states and actions come from DescribeControl; decoration is left out.

class QWidget;

namespace duplexa {

// Installs the interface factory; once per program, before the first query.
void InstallAccessibility();

// Gives widget its accessible name as its tooltip, in the language in force when it shows.
void ShowNameAsToolTip(QWidget& widget);

}  // namespace duplexa
