#ifndef SORTMETHODS_H
#define SORTMETHODS_H

#include <QString>

// Collation of display texts in the order of the display language (QCollator over the
// characters' Unicode values, letter case ignored): negative, zero or positive as a sorts
// before, with or after b. The first form takes zero-terminated UTF-16 arrays.
int sortmethods_str_cmp(const unsigned short *a, const unsigned short *b);
int sortmethods_str_cmp(const QString &a, const QString &b);

#endif
