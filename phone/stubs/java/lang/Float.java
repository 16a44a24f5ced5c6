package java.lang;
public final class Float {
    public static final float POSITIVE_INFINITY = 1.0f / 0.0f, NEGATIVE_INFINITY = -1.0f / 0.0f, NaN = 0.0f / 0.0f;
    public static native float parseFloat(String s) throws NumberFormatException;
    public static native String toString(float f);
    public static native int floatToIntBits(float f);
    public static native float intBitsToFloat(int bits);
    public static native boolean isNaN(float f);
    public static native boolean isInfinite(float f);
}
