package java.util;
public abstract class Calendar {
    public static final int YEAR = 1, MONTH = 2, DAY_OF_MONTH = 5, DAY_OF_WEEK = 7, HOUR_OF_DAY = 11, MINUTE = 12,
            SECOND = 13, MILLISECOND = 14, SUNDAY = 1;
    protected Calendar() {}
    public static native Calendar getInstance();
    public final native int get(int field);
}
