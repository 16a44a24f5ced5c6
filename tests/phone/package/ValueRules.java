import program.TheGameCanvas;

/**
 * The phone runtime's value rules, checked on the built game class in the
 * test host: float text, integer division and remainder, string limits.
 * Prints "N passed, N failed".
 */
public final class ValueRules {
    private static int passed, failed;

    private static void same(String what, Object expected, Object actual) {
        if (expected.equals(actual)) {
            passed++;
        } else {
            failed++;
            System.out.println("FAIL " + what + ": expected [" + expected + "] got [" + actual + "]");
        }
    }

    private static void stops(String what, Runnable r) {
        try {
            r.run();
            failed++;
            System.out.println("FAIL " + what + ": did not stop the program");
        } catch (RuntimeException e) {
            passed++;
        }
    }

    public static void main(String[] args) {
        TheGameCanvas c = new TheGameCanvas(null);

        // "%f" rounds the exact binary value to six decimals, ties to even; zeros go but one.
        same("3.5", "3.5", c.floatText(3.5f));
        same("2", "2.0", c.floatText(2f));
        same("100", "100.0", c.floatText(100f));
        same("-7.25", "-7.25", c.floatText(-7.25f));
        same("0.1", "0.1", c.floatText(0.1f));
        same("1/128 tie to even", "0.007812", c.floatText(1f / 128));
        same("3/128 tie to even", "0.023438", c.floatText(3f / 128));
        same("123456.789", "123456.789062", c.floatText(123456.789f));
        same("tiny", "0.0", c.floatText(1e-7f));
        same("tiny negative", "-0.0", c.floatText(-1e-7f));
        same("negative zero", "-0.0", c.floatText(-0f));
        same("2^24", "16777216.0", c.floatText(16777216f));
        same("1e20", "100000002004087734272.0", c.floatText(1e20f));
        same("largest", "340282346638528859811704183484516925440.0", c.floatText(Float.MAX_VALUE));
        same("infinity", "inf", c.floatText(1f / 0f));
        same("minus infinity", "-inf", c.floatText(-1f / 0f));
        same("nan", "nan", c.floatText(Float.NaN));

        same("7 / 2", 3, c.divide(7, 2));
        same("-7 / 2", -3, c.divide(-7, 2));
        same("-7 % 2", -1, c.modulo(-7, 2));
        same("7 % -2", 1, c.modulo(7, -2));
        same("5.5 % 2", 1.0f, c.moduloFloat(5.5f, 2f));
        stops("7 / 0", () -> c.divide(7, 0));
        stops("7 % 0", () -> c.modulo(7, 0));
        stops("5.5 % 0.5", () -> c.moduloFloat(5.5f, 0.5f));

        same("concat", "abcd", c.concat("ab", "cd"));
        same("text plus empty", "ab", c.concat("ab", ""));
        String thousand = "x".repeat(1000);
        same("concat is cut at 1024", 1024, c.concat(thousand, "y".repeat(100)).length());
        same("full register", 1024, c.concat("z".repeat(1030), "y").length());

        same("index 0", 0, c.index(0, 10));
        same("index 10", 10, c.index(10, 10));
        stops("index 11", () -> c.index(11, 10));
        stops("index -1", () -> c.index(-1, 10));

        // Bubble sort in place between two slots; texts ignore case, the empty text first.
        int[] ints = {9, 5, 3, 8, 1, 7};
        c.sortInts(ints, 1, 4);
        same("sort 4 integers of 6", "[9, 1, 3, 5, 8, 7]", java.util.Arrays.toString(ints));
        float[] floats = {2.5f, -1f, 2.25f};
        c.sortFloats(floats, 0, 2);
        same("sort floats", "[-1.0, 2.25, 2.5]", java.util.Arrays.toString(floats));
        String[] texts = {"b", "A", "", "a"};
        c.sortStrings(texts, 0, 3);
        same("sort texts", "[, A, a, b]", java.util.Arrays.toString(texts));
        String[] prefixes = {"abc", "AB", "ab"};
        c.sortStrings(prefixes, 0, 2);
        same("a prefix counts as equal", "[abc, AB, ab]", java.util.Arrays.toString(prefixes));
        String[] high = {"\u00e9", "z"};   // 0xE9 is negative as a signed character
        c.sortStrings(high, 0, 1);
        same("characters are signed", "[\u00e9, z]", java.util.Arrays.toString(high));
        String[] one = {"b", "a"};
        c.sortStrings(one, 1, 1);
        same("first equal to last sorts nothing", "[b, a]", java.util.Arrays.toString(one));

        // Built-ins of the language core.
        same("Mid", "ell", c.bMid("hello", 2, 3));
        same("Mid from 0", "he", c.bMid("hello", 0, 2));
        same("Mid past the end", "", c.bMid("hello", 6, 1));
        same("Mid long count", "lo", c.bMid("hello", 4, 100));
        same("Left negative", "", c.bLeft("abc", -1));
        same("Right long", "abc", c.bRight("abc", 9));
        same("Instr", 3, c.bInstr(1, "hello", "ll"));
        same("Instr too late", 0, c.bInstr(4, "hello", "ll"));
        same("Instr of nothing", 1, c.bInstr(0, "abc", ""));
        same("Val", -12, c.bValInt("  -12x"));
        same("Val of a letter", 120, c.bValInt("x"));
        same("Val of nothing", 0, c.bValInt(""));
        same("Val#", 25f, c.bValFloat(" 2.5e1z"));
        same("Val# of a word", 0f, c.bValFloat("abc"));
        same("Val# point first", -0.5f, c.bValFloat("-.5"));
        same("Val# bare exponent", 1f, c.bValFloat("1e"));
        same("Val# hexadecimal", 26.5f, c.bValFloat("0x1A.8"));
        same("Val# hexadecimal exponent", -12f, c.bValFloat(" -0x3p2"));
        same("Val# infinity", Float.NEGATIVE_INFINITY, c.bValFloat("-Infinity"));
        same("Val# nan", true, Float.isNaN(c.bValFloat("nan")));
        same("Val# 0x alone", 0f, c.bValFloat("0xg"));
        same("String", "ababab", c.bString("ab", 3));
        same("GetChar 0 is the first", 97, c.bGetChar("abc", 0));
        same("GetChar past the end", 0, c.bGetChar("abc", 4));
        same("Asc is signed", -23, c.bAsc("\u00e9"));
        same("ToUpper", "ABC1\u00e9", c.bToUpper("aBc1\u00e9"));
        same("Abs of the most negative", Integer.MIN_VALUE, c.bAbs(Integer.MIN_VALUE));
        same("Inline on the walk", 2, c.bInline(2, 1, 0, 0, 4, 2));
        same("Inline off the walk", -1, c.bInline(1, 0, 0, 0, 4, 2));
        c.bRandomize(1);
        same("Rnd after Randomize 1", 3, c.bRnd(10));      // (32719 + 3) mod 32749 = 32722
        same("Rnd next", 14, c.bRnd(100));                 // (32722 * 32719 + 3) mod 32749 = 813
        same("Rnd 0", 0, c.bRnd(0));
        for (float x = -1f; x <= 1f; x += 0.0625f) {
            same("Asin " + x, (float) Math.asin(x), c.bAsin(x));
            same("Acos " + x, (float) Math.acos(x), c.bAcos(x));
        }
        for (float x = -40f; x <= 40f; x += 0.37f) same("Atan " + x, (float) Math.atan(x), c.bAtan(x));
        same("Asin outside", true, Float.isNaN(c.bAsin(1.5f)));
        same("toInt of nan", Integer.MIN_VALUE, TheGameCanvas.toInt(Float.NaN));
        same("toInt truncates", -7, TheGameCanvas.toInt(-7.9f));

        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
