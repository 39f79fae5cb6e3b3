// A front end whose receiver has none of the display methods.
package com.marvolt.tovakconfigmanagement.orvcmjservices;

public final class ORVJniError {}
