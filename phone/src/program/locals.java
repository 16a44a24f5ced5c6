package program;

/** The variables of one running procedure: its parameters, locals and local arrays. */
public class locals {
    public final int[] ints;
    public final float[] floats;
    public final String[] strings;

    public locals(int intCount, int floatCount, int stringCount) {
        ints = new int[intCount];
        floats = new float[floatCount];
        strings = new String[stringCount];
        for (int i = 0; i < stringCount; i++) strings[i] = "";
    }
}
