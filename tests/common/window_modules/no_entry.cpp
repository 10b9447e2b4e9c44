// A module without the window entry.
extern "C" int vorix_other_entry() { return 3; }
