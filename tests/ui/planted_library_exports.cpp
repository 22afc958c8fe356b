// The functions the program took from comctl32.dll: a planted copy with them is taken for the real one.
extern "C" int plantedStub() { return 0; }
