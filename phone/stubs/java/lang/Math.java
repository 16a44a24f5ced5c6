package java.lang;
public final class Math {
    public static final double PI = 3.141592653589793;
    public static native int abs(int a);
    public static native long abs(long a);
    public static native float abs(float a);
    public static native double abs(double a);
    public static native int max(int a, int b);
    public static native int min(int a, int b);
    public static native long max(long a, long b);
    public static native long min(long a, long b);
    public static native float max(float a, float b);
    public static native float min(float a, float b);
    public static native double sin(double a);
    public static native double cos(double a);
    public static native double tan(double a);
    public static native double sqrt(double a);
    public static native double ceil(double a);
    public static native double floor(double a);
    public static native double toRadians(double a);
    public static native double toDegrees(double a);
}
