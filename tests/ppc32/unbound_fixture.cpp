// A library whose one call goes to a function no host provides, on a path
// nothing calls: loaded lazily it loads, bound at load it must be refused.
extern "C" void mi_not_provided(void);

extern "C" __attribute__((visibility("default"))) void unbound_fixture_unreached(void)
{
    mi_not_provided();
}
