#include "topics/topichub.h"

// Key Facts and Teacher's Notes open in the notes viewer.
void TopicHub::openKeyFacts() {}
void TopicHub::openTeachersNotes() {}
