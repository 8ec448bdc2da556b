// A shared library that loads but is not the network module: it lacks the factory.
extern "C" __attribute__((visibility("default"))) int trivanto_test_not_the_factory() {
    return 1;
}
