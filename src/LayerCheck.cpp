// Linked with every object of one layer and only the layers below it: a
// layer that calls up a layer fails to link here.
int main() { return 0; }
