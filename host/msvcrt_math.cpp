// pow and sqrt for the Windows library, from msvcrt.dll. mingw-w64's import
// library offers them only through their import slots (its own static
// replacements are not linked), so each is a jump through its slot.
extern "C" {

extern double (*const msvcrt_pow)(double, double) __asm__("__imp__pow");
extern double (*const msvcrt_sqrt)(double) __asm__("__imp__sqrt");

double pow(double base, double exponent)
{
    return msvcrt_pow(base, exponent);
}

double sqrt(double value)
{
    return msvcrt_sqrt(value);
}

} // extern "C"
