// The front end's receiver of the library's displays, as the tests see it: every call
// is recorded as its method's name, a colon and the text, for Received to hand back.
// The fatal-error method also writes each call to standard error (characters outside
// ASCII escaped), where a test reads what a process that ended with its report sent.
// A call of the text "refused" throws once it is recorded.
package com.marvolt.tovakconfigmanagement.orvcmjservices;

public final class ORVJniError {
  private static final java.util.List<String> received = new java.util.ArrayList<>();

  private static void record(String method, String text) {
    received.add(method + ":" + text);
    if (text.equals("refused")) throw new IllegalStateException("the front end refused " + method);
  }

  public static void DisplayMessage(String t) { record("DisplayMessage", t); }
  public static void DisplayCriticalError(String t) { record("DisplayCriticalError", t); }
  public static void DisplayWarningError(String t) { record("DisplayWarningError", t); }
  public static void DisplayInformationError(String t) { record("DisplayInformationError", t); }

  // Every character outside printable ASCII but the line feed is written as a backslash,
  // u and four hexadecimal digits, whatever the encoding of standard error.
  public static void DisplayFatalError(String text) {
    StringBuilder out = new StringBuilder("DisplayFatalError(");
    for (char c : text.toCharArray())
      out.append(c == '\n' || (c >= 0x20 && c < 0x7f) ? "" + c : String.format("\\u%04x", (int) c));
    System.err.print(out.append(")\n")); // flushed at the line feed
    record("DisplayFatalError", text);
  }

  // The calls recorded since the last time, separated by NUL characters.
  public static String Received() {
    String all = String.join("\0", received);
    received.clear();
    return all;
  }
}
